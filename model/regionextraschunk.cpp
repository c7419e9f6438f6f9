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
    for (const auto& [coord, region] : extras.Regions()) {
        coord.write(os);
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

void ApplyRegions(TurnExtras& extras, Regions regions) {
    for (auto& [coord, region] : regions)
        extras.Region(coord) = std::move(region);
}

// ReadRegions without building anything; the written form has the regions in coordinate order,
// each once.
bool SkimRegions(ByteSkim& bytes, PartShape& shape) {
    uint32_t count = 0;
    if (!bytes.U32(count)) return false;
    shape.empty = count == 0;
    AtlCoord previous;
    for (uint32_t i = 0; i < count; ++i) {
        int16_t x = 0, y = 0;
        uint8_t z = 0;
        uint16_t exits = 0;
        if (!bytes.I16(x) || !bytes.I16(y) || !bytes.U8(z)) return false;
        AtlCoord coord(x, y, z);
        if (i > 0 && coord <= previous) shape.normal = false;
        previous = coord;
        if (!bytes.Skip(8) || !bytes.Text(shape.normal) || !bytes.U16(exits)) return false;
        for (uint16_t e = 0; e < exits; ++e) {
            uint8_t direction = 0;
            if (!bytes.U8(direction) || direction > AtlDirection::Southwest) return false;
            // target, terrain's type and name, region, town, town's type
            if (!bytes.Skip(5 + 1) || !bytes.Text(shape.normal) || !bytes.Text(shape.normal) ||
                !bytes.Text(shape.normal) || !bytes.Text(shape.normal))
                return false;
        }
    }
    return true;
}

constexpr TurnPartKind kRegionsPart = {
    0, SkimRegions,
    [](iwstream& is, TurnExtras& extras) {
        DecodePart<Regions>(is, extras, ReadRegions, ApplyRegions);
    },
    [](const TurnExtras& extras) { return !extras.Regions().empty(); }, WriteRegions};

} // namespace

void WriteRegionExtrasChunk(owstream& os, const VexlorDoc& doc) {
    WritePerTurn(os, doc, kRegionsPart);
}

bool ReadRegionExtrasChunk(iwstream& is, VexlorDoc& doc) {
    return ReadPerTurn<Regions>(is, doc, ReadRegions, ApplyRegions);
}

bool KeepRegionExtrasChunk(const KeptBytes& chunk, VexlorDoc& doc, const ExtPartRead& partRead) {
    return KeepPerTurn(chunk, doc, kRegionsPart, partRead);
}
