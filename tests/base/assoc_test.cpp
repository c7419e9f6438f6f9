#include "base/assoc.h"

#include <gtest/gtest.h>

#include <string>

TEST(StrAssocList, RegisterKeepsTheFirstName) {
    StrAssocList factions;
    bool isNew = false;
    StrAssocNode* wolves = factions.Register(3, "Red Wolves", &isNew);
    EXPECT_TRUE(isNew);
    factions.Register(4, "Blue Herons");
    StrAssocNode* again = factions.Register(3, "Renamed", &isNew);
    EXPECT_FALSE(isNew);
    EXPECT_EQ(again, wolves);
    EXPECT_EQ(wolves->name, "Red Wolves");
    EXPECT_EQ(factions.LongCountNodes(), 2);
    EXPECT_EQ(factions.Find(4)->name, "Blue Herons");
    EXPECT_EQ(factions.Find(5), nullptr);
    factions.Register(5, "Green Oaks", nullptr); // the flag may be absent
    EXPECT_EQ(factions.GetLast()->key, 5);
}

TEST(StrAssocList, CopyIsDeepAndKeepsOrder) {
    StrAssocList a;
    a.Register(2, "Two");
    a.Register(1, "One");
    StrAssocList b(a);
    a.Find(2)->name = "changed";
    EXPECT_EQ(b.GetFirst()->key, 2);
    EXPECT_EQ(b.GetFirst()->name, "Two");
    EXPECT_EQ(b.LongCountNodes(), 2);
}

// The index answers as the list's own search: the first node of a number, also where a
// damaged document holds a number twice, and nothing for an unknown one.
TEST(StrAssocIndex, FindsAsTheListDoes) {
    StrAssocList list;
    for (int32_t key = 1; key <= 5000; ++key)
        list.Add(new StrAssocNode(key, ("Faction " + std::to_string(key)).c_str()));
    list.Add(new StrAssocNode(7, "Second seven"));
    StrAssocIndex index(list);
    for (int32_t key : {1, 7, 2500, 5000, 0, 5001, -7})
        EXPECT_EQ(index.Find(key), list.Find(key)) << key;
    EXPECT_EQ(index.Find(7)->name, "Faction 7");

    auto* added = new StrAssocNode(6000, "Late");
    list.Add(added);
    index.Add(added);
    auto* again = new StrAssocNode(6000, "Later");
    list.Add(again);
    index.Add(again);
    EXPECT_EQ(index.Find(6000), added);
    EXPECT_EQ(StrAssocIndex().Find(1), nullptr);
}
