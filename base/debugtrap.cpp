#include "base/debugtrap.h"

#include <cstdio>

void DebugTrap(const char* what) {
#ifndef NDEBUG
    std::fprintf(stderr, "vexlor: debug trap: %s\n", what ? what : "(no text)");
#else
    (void)what;
#endif
}
