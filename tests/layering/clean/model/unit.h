#pragma once

#include "base/str.h"
#include "model/unit.ipp"
