#pragma once

#include "app/dynlib.h"
#include "base/str.h"

#include <vector>

// The names of the files in a folder that match a shell wildcard pattern ("vex???.so"), in
// name order so that the choice among several is the same on every machine.
class DirFileIterator {
public:
    DirFileIterator(const char* directory, const char* pattern);
    const std::vector<Str>& Names() const { return names_; }

private:
    std::vector<Str> names_;
};

// Finds the first file of a folder matching the pattern that passes a check: with a string
// identifier of 0 every match passes; otherwise the file must load as a library and carry a
// non-empty string of that identifier, which becomes the language name.
class EnumLangFiles {
public:
    EnumLangFiles(const char* directory, const char* pattern, int id);
    bool Found() const { return !fileName_.IsEmpty(); }
    const Str& FileName() const { return fileName_; } // name within the folder
    const Str& LangName() const { return langName_; }

private:
    Str fileName_;
    Str langName_;
};

// Whether the file is a library that loads and carries a non-empty string id; its text in name.
bool IsLanguageLibrary(const char* path, unsigned id, Str* name = nullptr);

// The language file beside the program: base + code + extension; else that of "enu" (code
// becomes "enu"); else the first, in name order, of base + three letters or digits +
// extension (code becomes those three). With check on, a file counts only when it loads as a
// library carrying a non-empty string 1001. Empty, code unchanged, when none counts.
Str FindLangFile(HINSTANCE instance, const char* base, Str& code, const char* extension,
                 bool check);
