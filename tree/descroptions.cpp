#include "tree/descroptions.h"

#include <iterator>

namespace {
// The flag of each branch kind, indexed by kind; kind 0 has none.
bool DescrOptions::*BranchFlag(uint32_t branch) {
    static bool DescrOptions::*const kFlags[] = {
        nullptr,
        &DescrOptions::bWantedOpen,
        &DescrOptions::bForSaleOpen,
        &DescrOptions::bProductsOpen,
        &DescrOptions::bMyUnitsOpen,
        &DescrOptions::bOtherUnitsOpen,
        &DescrOptions::bBuildingsOpen,
        &DescrOptions::bExitsOpen,
        &DescrOptions::bAlliedUnitsOpen,
    };
    static_assert(std::size(kFlags) == BranchAlliedUnits + 1);
    return branch < std::size(kFlags) ? kFlags[branch] : nullptr;
}
} // namespace

bool IsBranchOpen(const DescrOptions& options, uint32_t branch) {
    bool DescrOptions::*flag = BranchFlag(branch);
    return flag && options.*flag;
}

void SetBranchOpen(DescrOptions& options, uint32_t branch, bool open) {
    if (bool DescrOptions::*flag = BranchFlag(branch)) options.*flag = open;
}
