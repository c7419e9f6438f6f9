#include "model/unitextraschunk.h"

#include "model/turnchunk.h"

namespace {

using Units = std::vector<std::pair<int32_t, UnitExtras>>;

void WriteSkills(owstream& os, const std::vector<SkillRecord>& skills) {
    WriteU16(os, static_cast<uint16_t>(skills.size()));
    for (const SkillRecord& skill : skills) {
        skill.name.write(os);
        skill.abbr.write(os);
        WriteI32(os, skill.level);
        WriteI32(os, skill.days);
    }
}

bool ReadSkills(iwstream& is, std::vector<SkillRecord>& skills) {
    uint16_t count = 0;
    if (!ReadU16(is, count)) return false;
    for (uint16_t i = 0; i < count; ++i) {
        SkillRecord skill;
        skill.name.read(is);
        skill.abbr.read(is);
        ReadI32(is, skill.level);
        if (!ReadI32(is, skill.days)) return false;
        skills.push_back(std::move(skill));
    }
    return true;
}

void WriteUnits(owstream& os, const TurnExtras& extras) {
    WriteU32(os, static_cast<uint32_t>(extras.Units().size()));
    for (const auto& [number, unit] : extras.Units()) {
        WriteI32(os, number);
        WriteI32(os, unit.weight);
        unit.capacity.write(os);
        WriteSkills(os, unit.skills);
        unit.combatSpell.write(os);
        WriteSkills(os, unit.canStudy);
    }
}

bool ReadUnits(iwstream& is, Units& units) {
    uint32_t count = 0;
    if (!ReadU32(is, count)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        int32_t number = 0;
        UnitExtras unit;
        ReadI32(is, number);
        ReadI32(is, unit.weight);
        unit.capacity.read(is);
        if (!ReadSkills(is, unit.skills)) return false;
        unit.combatSpell.read(is);
        if (!ReadSkills(is, unit.canStudy)) return false;
        units.emplace_back(number, std::move(unit));
    }
    return is.good();
}

void ApplyUnits(TurnExtras& extras, Units units) {
    for (auto& [number, unit] : units)
        extras.Unit(number) = std::move(unit);
}

bool SkimSkills(ByteSkim& bytes, PartShape& shape) {
    uint16_t count = 0;
    if (!bytes.U16(count)) return false;
    for (uint16_t i = 0; i < count; ++i)
        if (!bytes.Text(shape.normal) || !bytes.Text(shape.normal) || !bytes.Skip(8)) return false;
    return true;
}

// ReadUnits without building anything; the written form has the units in number order, each
// once.
bool SkimUnits(ByteSkim& bytes, PartShape& shape) {
    uint32_t count = 0;
    if (!bytes.U32(count)) return false;
    shape.empty = count == 0;
    int32_t previous = 0;
    for (uint32_t i = 0; i < count; ++i) {
        int32_t number = 0;
        if (!bytes.I32(number)) return false;
        if (i > 0 && number <= previous) shape.normal = false;
        previous = number;
        if (!bytes.Skip(4) || !bytes.Text(shape.normal) || !SkimSkills(bytes, shape) ||
            !bytes.Text(shape.normal) || !SkimSkills(bytes, shape))
            return false;
    }
    return true;
}

constexpr TurnPartKind kUnitsPart = {
    1, SkimUnits,
    [](iwstream& is, TurnExtras& extras) { DecodePart<Units>(is, extras, ReadUnits, ApplyUnits); },
    [](const TurnExtras& extras) { return !extras.Units().empty(); }, WriteUnits};

} // namespace

void WriteUnitExtrasChunk(owstream& os, const VexlorDoc& doc) {
    WritePerTurn(os, doc, kUnitsPart);
}

bool ReadUnitExtrasChunk(iwstream& is, VexlorDoc& doc) {
    return ReadPerTurn<Units>(is, doc, ReadUnits, ApplyUnits);
}

bool KeepUnitExtrasChunk(const KeptBytes& chunk, VexlorDoc& doc, const ExtPartRead& partRead) {
    return KeepPerTurn(chunk, doc, kUnitsPart, partRead);
}
