#include "report/extrasreader.h"

#include "report/scan.h"

#include <cstring>
#include <string_view>

namespace {

// The sentences an own unit line may carry after its items, in the order the engine writes
// them. Other sentences ("Note: ...") are passed over.
const char* const kDetailKeys[] = {
    "Weight: ", "Capacity: ", "Skills: ", "Combat spell: ", "Can Study: "};

// The known key that text begins with, or null.
const char* KeyAt(const char* text) {
    for (const char* key : kDetailKeys)
        if (std::strncmp(text, key, std::strlen(key)) == 0) return key;
    return nullptr;
}

// Whether a sentence of the form "Capitalised words: " begins at text.
bool SentenceKeyAt(const char* text) {
    if (*text < 'A' || *text > 'Z') return false;
    const char* p = text + 1;
    while ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || *p == ' ')
        ++p;
    return p[0] == ':' && p[1] == ' ';
}

// The next ". " that is followed by a sentence key, from text on; null when none.
const char* NextSentence(const char* text) {
    for (const char* p = std::strstr(text, ". "); p; p = std::strstr(p + 1, ". "))
        if (SentenceKeyAt(p + 2)) return p;
    return nullptr;
}

// "name [ABBR] 3 (180)", the level and days being optional.
int ReadSkill(const char*& cursor, SkillRecord& skill) {
    const char* p = cursor;
    SkillRecord s;
    if (read_before(p, s.name, "[") != 0 || ReadBracketStr(p, s.abbr) != 0) return -1;
    if (ReadNumber(p, s.level) == 0) {
        int days;
        if (ReadParanNumber(p, days) == 0) s.days = days;
    }
    skill = std::move(s);
    cursor = p;
    return 0;
}

// "none", or skills separated by ", ", up to the end of the sentence.
void ReadSkillList(std::string_view sentence, std::vector<SkillRecord>& skills) {
    std::string text(sentence);
    const char* p = text.c_str();
    skipspaces(p);
    if (std::strncmp(p, "none", 4) == 0) return;
    while (*p) {
        SkillRecord skill;
        if (ReadSkill(p, skill) != 0) return;
        skills.push_back(std::move(skill));
        if (skiptempl(p, ", ") != 0) return;
    }
}

void ReadSentence(const char* key, std::string_view value, UnitExtras& details) {
    if (!std::strcmp(key, "Weight: ")) {
        std::string text(value);
        const char* p = text.c_str();
        int weight;
        if (ReadNumber(p, weight) == 0) details.weight = weight;
    } else if (!std::strcmp(key, "Capacity: ")) {
        details.capacity = Str(value);
    } else if (!std::strcmp(key, "Skills: ")) {
        ReadSkillList(value, details.skills);
    } else if (!std::strcmp(key, "Combat spell: ")) {
        details.combatSpell = Str(value);
    } else {
        ReadSkillList(value, details.canStudy);
    }
}

} // namespace

int ReadUnitDetails(const char* text, int32_t& number, UnitExtras& details) {
    const char* p = text;
    skipspaces(p);
    Str name;
    int unit;
    if (skiptempl(p, "* ") != 0 || read_before(p, name, "(") != 0 || ReadParanNumber(p, unit) != 0)
        return -1;
    // The first sentence with a known key ends the items (and a description, if any).
    const char* at = NextSentence(p);
    while (at && !KeyAt(at + 2))
        at = NextSentence(at + 1);
    if (!at) return -1;

    UnitExtras read;
    for (const char* sentence = at + 2; sentence;) {
        const char* next = NextSentence(sentence);
        std::string_view whole(sentence,
                               next ? static_cast<size_t>(next - sentence) : std::strlen(sentence));
        if (!next && whole.ends_with('.')) whole.remove_suffix(1);
        if (const char* key = KeyAt(sentence))
            ReadSentence(key, whole.substr(std::strlen(key)), read);
        sentence = next ? next + 2 : nullptr;
    }
    number = unit;
    details = std::move(read);
    return 0;
}
