#include "report/itemlist.h"

#include <gtest/gtest.h>

TEST(ReadItemInfo, CountFormsNumberUnlimitedAndSingular) {
    struct Case {
        const char* text;
        int count;
        const char* name;
        const char* abbr;
    } cases[] = {{"5 swords [SWOR]", 5, "swords", "SWOR"},
                 {"unlimited iron [IRON]", -1, "iron", "IRON"},
                 {"leader [LEAD]", 1, "leader", "LEAD"}, // count one: no number, singular name
                 {"  2 high elves [HELF]", 2, "high elves", "HELF"}};
    for (const Case& c : cases) {
        const char* cursor = c.text;
        int count = 0;
        Str name, abbr;
        ASSERT_EQ(ReadItemInfo(cursor, count, name, abbr), 0) << c.text;
        EXPECT_EQ(count, c.count) << c.text;
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(abbr, c.abbr);
        EXPECT_EQ(*cursor, 0);
    }
    const char* noAbbr = "5 swords";
    const char* cursor = noAbbr;
    int count = 7;
    Str name("kept"), abbr;
    EXPECT_EQ(ReadItemInfo(cursor, count, name, abbr), -1);
    EXPECT_EQ(cursor, noAbbr);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(name, "kept");
}

TEST(ReadItemList, EndCharacterAndMalformedSeparators) {
    ListT<ItemNode> items;
    const char* semicolon = "2 leaders [LEAD]; rest";
    const char* cursor = semicolon;
    EXPECT_EQ(ReadItemList(cursor, items), ';');
    const char* atEnd = "2 leaders [LEAD], 9 wood [WOOD]";
    cursor = atEnd;
    EXPECT_EQ(ReadItemList(cursor, items), 0);
    EXPECT_EQ(items.LongCountNodes(), 3);

    // A comma without its blank, or any other character, fails; what was read stays.
    ListT<ItemNode> broken;
    const char* noBlank = "2 leaders [LEAD],9 wood [WOOD].";
    cursor = noBlank;
    EXPECT_EQ(ReadItemList(cursor, broken), -1);
    EXPECT_EQ(cursor, noBlank);
    EXPECT_EQ(broken.LongCountNodes(), 1);
    const char* other = "2 leaders [LEAD] and more";
    cursor = other;
    EXPECT_EQ(ReadItemList(cursor, broken), -1);
}

TEST(ReadItemList, NoteInParenthesesAfterAnItemIsPassedOver) {
    // From head-neworigins/3-turn1.rep: a ship under construction among a unit's items.
    const char* text = "2 leaders [LEAD], unfinished Longship [LONG] (needs 1), 10 wood [WOOD], "
                       "329 silver [SILV]. Weight: 70.";
    const char* cursor = text;
    ListT<ItemNode> items;
    ASSERT_EQ(ReadItemList(cursor, items), '.');
    ASSERT_EQ(items.LongCountNodes(), 4);
    const ItemNode* ship = ListT<ItemNode>::Next(items.GetFirst());
    EXPECT_EQ(ship->count, 1);
    EXPECT_EQ(ship->name, "unfinished Longship");
    EXPECT_EQ(ship->abbr, "LONG");
    EXPECT_EQ(items.GetLast()->count, 329);
    // An unclosed note is no note.
    ListT<ItemNode> open;
    const char* unclosed = "wood [WOOD] (needs";
    cursor = unclosed;
    EXPECT_EQ(ReadItemList(cursor, open), -1);
}
