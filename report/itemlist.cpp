#include "report/itemlist.h"

#include "base/debugtrap.h"
#include "report/scan.h"

#include <cstring>

int ReadItemInfo(const char*& cursor, int& count, Str& name, Str& abbr) {
    const char* p = cursor;
    skipspaces(p);
    int n = 1;
    if (*p >= '0' && *p <= '9')
        ReadNumber(p, n);
    else if (skiptempl(p, "unlimited ") == 0)
        n = -1;
    Str itemName, itemAbbr;
    if (read_before(p, itemName, "[") != 0 || ReadBracketStr(p, itemAbbr) != 0) return -1;
    count = n;
    name = std::move(itemName);
    abbr = std::move(itemAbbr);
    cursor = p;
    return 0;
}

int ReadItemAndPrice(const char*& cursor, int& count, Str& name, Str& abbr, int& price) {
    const char* p = cursor;
    int n, value;
    Str itemName, itemAbbr;
    if (ReadItemInfo(p, n, itemName, itemAbbr) != 0 || skiptempl(p, " at $") != 0 ||
        ReadNumber(p, value) != 0)
        return -1;
    count = n;
    name = std::move(itemName);
    abbr = std::move(itemAbbr);
    price = value;
    cursor = p;
    return 0;
}

void SkipItemNote(const char*& cursor) {
    if (cursor[0] != ' ' || cursor[1] != '(') return;
    const char* close = std::strchr(cursor + 2, ')');
    if (close) cursor = close + 1;
}

namespace {

// What follows an element: the list's end character, 1 for another element (the cursor
// moved past ", "), or -1.
int AfterElement(const char*& p) {
    SkipItemNote(p);
    if (*p == '.' || *p == ';' || *p == 0) return *p;
    if (p[0] == ',' && p[1] == ' ') {
        p += 2;
        return 1;
    }
    DebugTrap("item list: unexpected character after an element");
    return -1;
}

} // namespace

int ReadItemList(const char*& cursor, ListT<ItemNode>& items) {
    const char* p = cursor;
    for (;;) {
        int count;
        Str name, abbr;
        if (ReadItemInfo(p, count, name, abbr) != 0) return -1;
        auto* item = new ItemNode();
        item->count = count;
        item->name = std::move(name);
        item->abbr = std::move(abbr);
        items.Add(item);
        int next = AfterElement(p);
        if (next == 1) continue;
        if (next >= 0) cursor = p;
        return next;
    }
}

int ReadItemPriceList(const char*& cursor, ListT<ItemPriceNode>& items) {
    const char* p = cursor;
    for (;;) {
        int count, price;
        Str name, abbr;
        if (ReadItemAndPrice(p, count, name, abbr, price) != 0) return -1;
        auto* item = new ItemPriceNode();
        item->count = count;
        item->name = std::move(name);
        item->abbr = std::move(abbr);
        item->price = price;
        items.Add(item);
        int next = AfterElement(p);
        if (next == 1) continue;
        if (next >= 0) cursor = p;
        return next;
    }
}
