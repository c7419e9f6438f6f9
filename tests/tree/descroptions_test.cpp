#include "tree/descroptions.h"

#include <gtest/gtest.h>

TEST(DescrOptions, HeadingKindsMapToTheirFlags) {
    DescrOptions options;
    SetBranchOpen(options, BranchBuildings, true);
    SetBranchOpen(options, BranchNone, true); // no heading: nothing stored
    SetBranchOpen(options, BranchExits, true);
    SetBranchOpen(options, 99, true); // no such kind: nothing stored
    EXPECT_TRUE(options.bBuildingsOpen);
    EXPECT_TRUE(options.bExitsOpen);
    EXPECT_FALSE(IsBranchOpen(options, 99));
    EXPECT_TRUE(IsBranchOpen(options, BranchBuildings));
    EXPECT_FALSE(IsBranchOpen(options, BranchNone));
    EXPECT_FALSE(options.bWantedOpen || options.bForSaleOpen || options.bProductsOpen ||
                 options.bMyUnitsOpen || options.bOtherUnitsOpen);
}
