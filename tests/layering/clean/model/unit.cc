#include "base/str.h"
