#include "app/initext.h"

#include "base/textutil.h"

#include <algorithm>

namespace {

constexpr size_t npos = std::string::npos;

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsComment(std::string_view line) {
    return !line.empty() && (line[0] == ';' || line[0] == '#');
}

// The section name of a header line "[name]", or nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line[0] != '[') return std::nullopt;
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

// The key of a "key=value" line, or nullopt for any other line.
std::optional<std::string_view> KeyName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line[0] == '[' || IsComment(line)) return std::nullopt;
    size_t eq = line.find('=');
    if (eq == npos) return std::nullopt;
    return Trim(line.substr(0, eq));
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != npos;
}

bool IsStorableName(std::string_view name) {
    return !name.empty() && Trim(name) == name && !HasLineBreak(name);
}

bool IsQuoted(std::string_view v) {
    return v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
}

// A value is written so that Get gives it back: quoted when reading would strip something.
std::string StoredValue(std::string_view value) {
    if (Trim(value) != value || IsQuoted(value)) return '"' + std::string(value) + '"';
    return std::string(value);
}

} // namespace

IniText::IniText(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    while (!text.empty()) {
        size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        if (nl == npos) break;
        text.remove_prefix(nl + 1);
    }
}

size_t IniText::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        auto name = HeaderName(lines_[i]);
        if (name && SameName(*name, section)) return i;
    }
    return npos;
}

size_t IniText::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && !HeaderName(lines_[i]))
        ++i;
    return i;
}

size_t IniText::FindKey(size_t header, std::string_view key) const {
    size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        auto name = KeyName(lines_[i]);
        if (name && SameName(*name, key)) return i;
    }
    return npos;
}

std::optional<std::string> IniText::Get(std::string_view section, std::string_view key) const {
    size_t header = FindSection(section);
    if (header == npos) return std::nullopt;
    size_t at = FindKey(header, key);
    if (at == npos) return std::nullopt;
    std::string_view line = lines_[at];
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (IsQuoted(value)) value = value.substr(1, value.size() - 2);
    return std::string(value);
}

bool IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsStorableName(section) || section.find(']') != npos) return false;
    if (!IsStorableName(key) || key.find('=') != npos || key[0] == '[' || IsComment(key))
        return false;
    if (HasLineBreak(value)) return false;
    std::string line = std::string(key) + '=' + StoredValue(value);

    size_t header = FindSection(section);
    if (header == npos) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back('[' + std::string(section) + ']');
        lines_.push_back(std::move(line));
        return true;
    }
    size_t at = FindKey(header, key);
    if (at != npos) {
        lines_[at] = std::move(line);
        return true;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    size_t end = SectionEnd(header);
    while (end > header + 1 && Trim(lines_[end - 1]).empty())
        --end;
    lines_.insert(lines_.begin() + static_cast<long>(end), std::move(line));
    return true;
}

bool IniText::RemoveSection(std::string_view section) {
    bool found = false;
    for (size_t header; (header = FindSection(section)) != npos; found = true)
        lines_.erase(lines_.begin() + static_cast<long>(header),
                     lines_.begin() + static_cast<long>(SectionEnd(header)));
    // The blank line that set a last section apart goes with it.
    while (found && !lines_.empty() && Trim(lines_.back()).empty())
        lines_.pop_back();
    return found;
}

std::string IniText::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}
