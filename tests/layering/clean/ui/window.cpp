#include "base/str.h"
#include "ui/window.hpp"
