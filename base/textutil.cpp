#include "base/textutil.h"

#include <charconv>

std::string_view Trim(std::string_view text) {
    size_t from = text.find_first_not_of(" \t");
    if (from == std::string_view::npos) return {};
    return text.substr(from, text.find_last_not_of(" \t") - from + 1);
}

std::optional<long> ParseWhole(std::string_view text, long low, long high) {
    text = Trim(text);
    // from_chars takes a minus but no plus, and refuses a sign alone or before a blank.
    bool plus = !text.empty() && text[0] == '+';
    if (plus) text.remove_prefix(1);
    if (plus && !text.empty() && text[0] == '-') return std::nullopt;
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

void AppendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string CsvText(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i) text += ',';
            AppendCsvField(text, row[i]);
        }
        text += "\r\n";
    }
    return text;
}
