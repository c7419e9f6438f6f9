#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of an INI file (sections of "key=value" lines) kept line by line, so that changing
// one key leaves the rest of the file (comments, other sections, order) as a person left it.
// Section and key names compare without regard to ASCII case; the first match counts.
class IniText {
public:
    // Splits the text into lines; a UTF-8 byte-order mark and the CR of CRLF endings are dropped.
    explicit IniText(std::string_view text = {});

    // The value with surrounding blanks and one pair of enclosing quotes removed.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Sets the key, adding it (and its section) when missing. Refuses, changing nothing, a
    // name or value that would not read back as the same key and value (line breaks, "=" in a
    // key, "]" in a section name, a name with surrounding blanks).
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with its lines; answers whether there was one.
    bool RemoveSection(std::string_view section);

    // The file text: the lines, each ended by a line feed.
    std::string Text() const;

private:
    // Index of the first header line of the section, or npos.
    size_t FindSection(std::string_view section) const;
    // One past the last line of the section whose header is at index header.
    size_t SectionEnd(size_t header) const;
    size_t FindKey(size_t header, std::string_view key) const;

    std::vector<std::string> lines_;
};
