#pragma once

#include "base/str.h"

#include <memory>

// A module of the running process: the program itself or a shared library loaded at run time.
// It knows the file it came from (profile and language files are found beside it) and, when
// loaded, gives the addresses of the names it exports.
class DynLib {
public:
    // The running program (its file from /proc/self/exe).
    static const DynLib& Program();
    // Loads a shared library; null when the file is missing or is not a loadable library.
    static std::unique_ptr<DynLib> Load(const char* path);

    // A module known by its file only, with no symbols: tests put a "program" anywhere.
    explicit DynLib(const char* fileName) : fileName_(fileName) {}
    DynLib(const DynLib&) = delete;
    DynLib& operator=(const DynLib&) = delete;
    ~DynLib(); // frees a loaded library

    const Str& FileName() const { return fileName_; }
    // The address of an exported name, or null.
    void* Symbol(const char* name) const;
    // The first of the names that the library exports, in the order given, or null: an
    // undecorated name, then its decorated forms.
    void* SymbolAnyOf(std::initializer_list<const char*> names) const;

private:
    DynLib(const char* fileName, void* handle) : fileName_(fileName), handle_(handle) {}

    Str fileName_;
    void* handle_ = nullptr;
};

// The instance handle of the program and of its language library.
using HINSTANCE = const DynLib*;
