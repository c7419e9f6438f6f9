#include "report/factionnames.h"

#include "base/debugtrap.h"

FactionNames::FactionNames(StrAssocList& list) : list_(list) {
    for (StrAssocNode* n = list.GetFirst(); n; n = n->Next())
        index_.try_emplace(n->key, n);
}

void FactionNames::Register(int32_t number, const char* name) {
    auto [at, isNew] = index_.try_emplace(number, nullptr);
    if (isNew) {
        at->second = new StrAssocNode(number, name);
        list_.Add(at->second);
    } else if (at->second->name != name) {
        DebugTrap("StrAssocList::Register: number registered with another name");
    }
}
