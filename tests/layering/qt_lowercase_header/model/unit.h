#pragma once

#include "base/str.h"
#include <qstring.h>
