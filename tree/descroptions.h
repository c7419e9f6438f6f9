#pragma once

#include <cstdint>

// The branch kind of a description line: which heading it is, so that the pane can remember
// the headings the user leaves open.
enum DescrBranch : uint32_t {
    BranchNone = 0, // every line that is not a heading
    BranchWanted = 1,
    BranchForSale = 2,
    BranchProducts = 3,
    BranchMyUnits = 4,
    BranchOtherUnits = 5,
    BranchBuildings = 6,
    BranchExits = 7,
    BranchAlliedUnits = 8,
};

// The settings a description is built with: which headings start open. The program's
// options hold these (the profile keys are the field names) and the pane changes them there.
struct DescrOptions {
    bool bWantedOpen = false;
    bool bForSaleOpen = false;
    bool bProductsOpen = false;
    bool bMyUnitsOpen = false;
    bool bOtherUnitsOpen = false;
    bool bBuildingsOpen = false;
    bool bExitsOpen = false;
    bool bAlliedUnitsOpen = false;
};

// Whether the heading of a branch kind starts open; false for kind 0 and unknown kinds.
bool IsBranchOpen(const DescrOptions& options, uint32_t branch);
// Stores open for the heading of a branch kind; kind 0 and unknown kinds store nothing.
void SetBranchOpen(DescrOptions& options, uint32_t branch, bool open);
