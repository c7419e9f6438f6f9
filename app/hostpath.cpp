#include "app/hostpath.h"

#include <cstring>

bool makenewname_(std::string& path, const char* name) {
    if (!name) name = "";
    std::string result;
    if (name[0] == '/') {
        result = name;
    } else {
        size_t slash = path.rfind('/');
        result = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
        if (result.empty()) result = "/";
        if (*name && std::strcmp(name, ".") != 0) {
            if (result.back() != '/') result += '/';
            result += name;
        }
    }
    if (result.size() > kMaxHostPath) return false;
    path = std::move(result);
    return true;
}

Str makehostpath_(const char* name, HINSTANCE module) {
    std::string path = module ? module->FileName().Get() : "";
    if (!makenewname_(path, name)) return Str();
    return Str(path);
}
