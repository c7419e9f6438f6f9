#include "model/regionextraschunk.h"

#include "model/turnchunk.h"

namespace {

using Regions = std::vector<std::pair<AtlCoord, RegionExtras>>;

void WriteExit(owstream& os, const ExitRecord& exit) {
    WriteU8(os, static_cast<uint8_t>(exit.direction));
    exit.target.write(os);
    exit.terrain.write(os);
    exit.regionName.write(os);
    exit.townName.write(os);
    exit.townType.write(os);
}

bool ReadExit(iwstream& is, ExitRecord& exit) {
    uint8_t direction = 0;
    if (!ReadU8(is, direction) || direction > AtlDirection::Southwest) return false;
    exit.direction = static_cast<AtlDirection::Type>(direction);
    exit.target.read(is);
    exit.terrain.read(is);
    exit.regionName.read(is);
    exit.townName.read(is);
    exit.townType.read(is);
    return is.good();
}

void WriteRegions(owstream& os, const TurnExtras& extras) {
    WriteU32(os, static_cast<uint32_t>(extras.Regions().size()));
    for (const auto& [key, region] : extras.Regions()) {
        TurnExtras::CoordOfKey(key).write(os);
        WriteI32(os, region.gate);
        WriteI32(os, region.gateCount);
        region.weather.write(os);
        WriteU16(os, static_cast<uint16_t>(region.exits.size()));
        for (const ExitRecord& exit : region.exits)
            WriteExit(os, exit);
    }
}

bool ReadRegions(iwstream& is, Regions& regions) {
    uint32_t count = 0;
    if (!ReadU32(is, count)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        AtlCoord coord;
        RegionExtras region;
        uint16_t exits = 0;
        coord.read(is);
        ReadI32(is, region.gate);
        ReadI32(is, region.gateCount);
        region.weather.read(is);
        if (!ReadU16(is, exits)) return false;
        for (uint16_t e = 0; e < exits; ++e) {
            ExitRecord exit;
            if (!ReadExit(is, exit)) return false;
            region.exits.push_back(std::move(exit));
        }
        regions.emplace_back(coord, std::move(region));
    }
    return is.good();
}

} // namespace

void WriteRegionExtrasChunk(owstream& os, const VexlorDoc& doc) {
    WritePerTurn(
        os, doc, [](const TurnExtras& extras) { return !extras.Regions().empty(); }, WriteRegions);
}

bool ReadRegionExtrasChunk(iwstream& is, VexlorDoc& doc) {
    return ReadPerTurn<Regions>(is, doc, ReadRegions, [](TurnExtras& extras, Regions regions) {
        for (auto& [coord, region] : regions)
            extras.Region(coord) = std::move(region);
    });
}
