#include "../base/str.h"
