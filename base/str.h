#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

class iwstream;
class owstream;

// An owning 8-bit text (Windows-1252). Null and "" are the same empty text.
class Str {
public:
    Str() = default;
    Str(const char* text) : text_(text ? text : "") {}
    Str(const unsigned char* text) : Str(reinterpret_cast<const char*>(text)) {}
    // Characters from..min(length, to)-1; empty when the range is empty.
    Str(const char* text, int from, int to);
    Str(std::string_view text) : text_(text) {}
    // Takes the characters over without copying them.
    explicit Str(std::string&& text) : text_(std::move(text)) {}
    Str(const Str&) = default;
    Str(Str&&) noexcept = default;
    Str& operator=(const Str&) = default;
    Str& operator=(Str&&) noexcept = default;
    Str& operator=(const char* text) {
        Set(text);
        return *this;
    }

    void Set(const char* text) { text_.assign(text ? text : ""); }
    void Set(const char* text, const char* fallback);
    void SetUpr(const char* text);
    void SetLwr(const char* text);
    void Upr();
    void Lwr();

    const char* Get() const { return text_.c_str(); }
    bool IsEmpty() const { return text_.empty(); }
    int Length() const { return static_cast<int>(text_.size()); }
    std::string_view View() const { return text_; }

    Str& operator+=(const char* text);
    Str& operator+=(const Str& other) { return *this += other.Get(); }
    // Appends value in signed decimal, without padding.
    Str& AppendNumber(long long value);

    // Document file encoding: uint16 length (capped at 65534), then the bytes.
    int write(owstream& os) const;
    int read(iwstream& is);

    friend Str operator+(const Str& a, const char* b);
    friend Str operator+(const char* a, const Str& b);
    friend Str operator+(const Str& a, const Str& b);

    // Equality is exact; < and > follow the dictionary order of CollateCompare.
    friend bool operator==(const Str& a, const Str& b) { return a.text_ == b.text_; }
    friend bool operator==(const Str& a, const char* b) { return a.text_ == (b ? b : ""); }
    friend bool operator<(const Str& a, const Str& b);
    friend bool operator>(const Str& a, const Str& b);

private:
    std::string text_;
};
