#pragma once

#include "base/list.h"
#include "base/str.h"
#include "model/items.h"

// One element of an item list: "5 swords [SWOR]", "unlimited iron [IRON]" (count -1) or
// "leader [LEAD]" (count 1). 0 on success; the cursor ends after the "]".
int ReadItemInfo(const char*& cursor, int& count, Str& name, Str& abbr);
// An element followed by " at $" and its price.
int ReadItemAndPrice(const char*& cursor, int& count, Str& name, Str& abbr, int& price);

// A list of elements separated by ", ", each appended to items. Returns the character that
// ended it ('.', ';', or 0 at the end of the text), with the cursor on it; -1 on a malformed
// element or separator (the elements read before stay in the list).
int ReadItemList(const char*& cursor, ListT<ItemNode>& items);
int ReadItemPriceList(const char*& cursor, ListT<ItemPriceNode>& items);

// Passes over a note in parentheses after an item, as in "unfinished Longship [LONG]
// (needs 1)"; the cursor stays when none follows.
void SkipItemNote(const char*& cursor);
