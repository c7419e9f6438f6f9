#include "doc/syserror.h"

#include "errlex/errlex.h"

#include <cerrno>
#include <cstring>

int SystemErrorCode(int errnoValue) {
    switch (errnoValue) {
    case 0:
        return 0;
    case ENOENT:
        return 2;
    case ENOTDIR:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
        return 5;
    case ENOMEM:
        return 8;
    case EROFS:
        return 19;
    case EBUSY:
    case ETXTBSY:
        return 32;
    case EEXIST:
        return 80;
    case EINVAL:
        return 87;
    case ENOSPC:
        return 112;
    case EFBIG:
        return 223;
    case EDQUOT:
        return 10069;
    case ENAMETOOLONG:
        return 206;
    case EISDIR:
        return 267;
    case EIO:
        return 1117;
    default:
        return -1;
    }
}

Str EnglishErrorText(int errnoValue) {
    int code = SystemErrorCode(errnoValue);
    // The table numbers system codes from 50; a code it lacks gets the system's own words.
    const char* text = code >= 0 ? ErrlexString(static_cast<unsigned>(code + 50)) : nullptr;
    return Str(text ? text : std::strerror(errnoValue));
}
