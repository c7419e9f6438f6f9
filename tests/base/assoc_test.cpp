#include "base/assoc.h"

#include <gtest/gtest.h>

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
