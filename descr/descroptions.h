#pragma once

#include <cstdint>

// The settings a description is built with: which headings start open. Named as the
// program's options keep them, which they mirror.
struct DescrOptions {
    bool bWantedOpen = false;
    bool bForSaleOpen = false;
    bool bProductsOpen = false;
    bool bMyUnitsOpen = false;
    bool bOtherUnitsOpen = false;
    bool bBuildingsOpen = false;
    bool bExitsOpen = false;
};

// Whether the heading of a branch kind starts open; false for kind 0 and unknown kinds.
bool IsBranchOpen(const DescrOptions& options, uint32_t branch);
// Stores open for the heading of a branch kind; kind 0 and unknown kinds store nothing.
void SetBranchOpen(DescrOptions& options, uint32_t branch, bool open);
