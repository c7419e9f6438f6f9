#include <base/str.h>
