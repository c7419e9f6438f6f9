#include "base/str.h"

#include <sys/stat.h>
