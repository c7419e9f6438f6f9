#include "model/references.h"

#include "base/collate.h"

#include <algorithm>
#include <utility>

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ToLowerAnsi(static_cast<unsigned char>(x)) ==
                      ToLowerAnsi(static_cast<unsigned char>(y));
           });
}

bool Holds(std::string_view text, std::string_view part) {
    if (part.empty()) return true;
    for (size_t at = 0; at + part.size() <= text.size(); ++at)
        if (SameLetters(text.substr(at, part.size()), part)) return true;
    return false;
}

bool Before(const Reference& a, const Reference& b) {
    if (a.kind != b.kind) return a.kind < b.kind;
    if (a.name < b.name) return true;
    if (b.name < a.name) return false;
    return std::pair(a.abbr.View(), a.level) < std::pair(b.abbr.View(), b.level);
}

} // namespace

bool Reference::SameAs(const Reference& other) const {
    if (kind != other.kind || level != other.level) return false;
    if (abbr.IsEmpty() != other.abbr.IsEmpty()) return false;
    return abbr.IsEmpty() ? SameLetters(name.View(), other.name.View())
                          : SameLetters(abbr.View(), other.abbr.View());
}

const char* ReferenceKindName(ReferenceKind kind) {
    switch (kind) {
    case ReferenceKind::Skill:
        return "skill";
    case ReferenceKind::Item:
        return "item";
    case ReferenceKind::Object:
        break;
    }
    return "object";
}

Str ReferenceTitle(const Reference& entry) {
    Str title(entry.name);
    if (!entry.abbr.IsEmpty()) title += " [" + entry.abbr + "]";
    if (entry.kind == ReferenceKind::Skill) {
        title += " ";
        title.AppendNumber(entry.level);
    }
    return title;
}

void References::Learn(Reference entry) {
    auto held = std::find_if(entries_.begin(), entries_.end(),
                             [&](const Reference& r) { return r.SameAs(entry); });
    if (held != entries_.end()) {
        if (entry.date < held->date) return;
        entries_.erase(held);
    }
    entries_.insert(std::upper_bound(entries_.begin(), entries_.end(), entry, Before),
                    std::move(entry));
}

std::vector<const Reference*> References::Matching(std::string_view text) const {
    std::vector<const Reference*> found;
    for (const Reference& entry : entries_)
        if (Holds(entry.name.View(), text) || Holds(entry.abbr.View(), text))
            found.push_back(&entry);
    return found;
}

const Reference* References::Find(ReferenceKind kind, std::string_view abbr) const {
    for (const Reference& entry : entries_) // a skill's levels ascend
        if (entry.kind == kind && !entry.abbr.IsEmpty() && SameLetters(entry.abbr.View(), abbr))
            return &entry;
    return nullptr;
}
