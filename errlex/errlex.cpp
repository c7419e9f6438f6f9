#include "errlex/errlex.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kBufferSize = 256;
char buffer[kBufferSize];

// Copies string code + offset into the buffer; false when there is none. The sum is done
// wide so that codes near the ends of the int range look up nothing instead of wrapping.
bool LoadInto(int code, long long offset) {
    long long id = static_cast<long long>(code) + offset;
    if (id < 0 || id > UINT32_MAX) return false;
    const char* text = ErrlexString(static_cast<unsigned>(id));
    if (!text) return false;
    std::snprintf(buffer, kBufferSize, "%s", text);
    return true;
}

const char* Format(const char* pattern, int code) {
    std::snprintf(buffer, kBufferSize, pattern, code);
    return buffer;
}

} // namespace

extern "C" const char* wk_strerror(int code) {
    if (LoadInto(code, 50)) return buffer;
    // No system message table exists here: the patterns follow directly.
    if (code >= 2100 && code <= 2999) return Format("Network Error #%d", code);
    if (code >= 12000 && code <= 12159) return Format("Internet Error #%d", code);
    if (code >= 600 && code <= 752) return Format("Remote Access Error #%d", code);
    if (code >= 10000 && code <= 10120) return Format("Window Socket Error #%d", code);
    return Format("Error #%d", code);
}

extern "C" const char* wk_strerror_GetVolumeLabel(int code) {
    return wk_strerror(code == 18 ? -2 : code);
}

extern "C" const char* wk_strerror_Execute(int code) {
    if (LoadInto(code, 1)) return buffer;
    return Format("Error #%d running file", code);
}

extern "C" const char* wk_strerror_CommDlg(int code) {
    if (code == 0xFFFF) return std::strcpy(buffer, "Common Dialog Error");
    if (LoadInto(code, 5000)) return buffer;
    return Format("Common Dialog Error #%d", code);
}
