#include "report/factionnames.h"

#include "base/debugtrap.h"

FactionNames::FactionNames(StrAssocList& list) : list_(list), index_(list) {}

void FactionNames::Register(int32_t number, const char* name) {
    StrAssocNode* known = index_.Find(number);
    if (!known) {
        auto* node = new StrAssocNode(number, name);
        list_.Add(node);
        index_.Add(node);
    } else if (known->name != name) {
        DebugTrap("StrAssocList::Register: number registered with another name");
    }
}
