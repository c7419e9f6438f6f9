#include "model/unit.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>
