#include "model/unit.h"
