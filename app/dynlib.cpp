#include "app/dynlib.h"

#include <filesystem>
#include <system_error>

#include <dlfcn.h>

const DynLib& DynLib::Program() {
    static const DynLib program = [] {
        std::error_code ec;
        auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
        return ec ? DynLib("") : DynLib(path.c_str());
    }();
    return program;
}

std::unique_ptr<DynLib> DynLib::Load(const char* path) {
    if (!path || !*path) return nullptr;
    // RTLD_LOCAL: two language libraries export the same names and must not see each other's.
    void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    return std::unique_ptr<DynLib>(new DynLib(path, handle));
}

DynLib::~DynLib() {
    if (handle_) dlclose(handle_);
}

void* DynLib::Symbol(const char* name) const {
    return handle_ && name ? dlsym(handle_, name) : nullptr;
}

void* DynLib::SymbolAnyOf(std::initializer_list<const char*> names) const {
    for (const char* name : names)
        if (void* found = Symbol(name)) return found;
    return nullptr;
}
