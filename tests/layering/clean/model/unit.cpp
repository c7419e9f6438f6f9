#include "model/unit.h"
#include "model/table.inc"
