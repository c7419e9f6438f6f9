#include "base/collate.h"
#include "base/str.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST(Str, RangeConstructorClampsToTheText) {
    EXPECT_EQ(Str("abc", 2, 100), "c");
    EXPECT_TRUE(Str("abc", 3, 5).IsEmpty());
    EXPECT_TRUE(Str("abc", 2, 2).IsEmpty());
    EXPECT_TRUE(Str("abc", 2, 1).IsEmpty());
    EXPECT_TRUE(Str(nullptr, 0, 3).IsEmpty());
}

TEST(Str, NullAndEmptyAreTheSameEmptyText) {
    Str a, b(""), c(static_cast<const char*>(nullptr));
    EXPECT_EQ(a, b);
    EXPECT_EQ(a, c);
    EXPECT_TRUE(a.IsEmpty() && b.IsEmpty());
    ASSERT_NE(a.Get(), nullptr);
    EXPECT_STREQ(a.Get(), "");
    EXPECT_EQ(a.Length(), 0);
}

TEST(Str, SetWithFallbackAndCaseConversion) {
    Str s;
    s.Set("", "default");
    EXPECT_EQ(s, "default");
    s.Set(nullptr, "fallback");
    EXPECT_EQ(s, "fallback");
    s.Set("given", "fallback");
    EXPECT_EQ(s, "given");
    s.SetUpr("Verdorf \xe9t\xe9");
    EXPECT_EQ(s, "VERDORF \xc9T\xc9");
    s.Lwr();
    EXPECT_EQ(s, "verdorf \xe9t\xe9");
}

TEST(Str, AppendingForms) {
    Str s("ab");
    s += "cd";
    EXPECT_EQ(s, "abcd");
    EXPECT_EQ(Str("a") + "b", "ab");
    EXPECT_EQ("a" + Str("b"), "ab");
    EXPECT_EQ(Str("a") + Str("b"), "ab");
    Str n("n=");
    n.AppendNumber(-2147483648LL).AppendNumber(0);
    EXPECT_EQ(n, "n=-21474836480");
}

TEST(Str, EqualityIsExactAndCaseSensitive) {
    EXPECT_NE(Str("abc"), Str("ABC"));
    EXPECT_NE(Str("abc"), "ABC");
    EXPECT_EQ(Str("abc"), "abc");
    EXPECT_FALSE(Str("abc") < Str("abc"));
    EXPECT_FALSE(Str("abc") > Str("abc"));
}

// The keyword tables are sorted in this order; a byte comparison would put "North" first.
TEST(Collate, DictionaryOrderIgnoresCaseFirstThenBreaksTiesByCase) {
    EXPECT_LT(CollateCompare("mountain", "North"), 0);
    EXPECT_LT(CollateCompare("North", "Northeast"), 0);
    EXPECT_LT(CollateCompare("South", "swamp"), 0);
    EXPECT_LT(CollateCompare("abc", "ABC"), 0);
    EXPECT_GT(CollateCompare("ABC", "abc"), 0);
    EXPECT_EQ(CollateCompare("March", "March"), 0);
    EXPECT_LT(CollateCompare("", "a"), 0);
    EXPECT_LT(CollateCompare("9", "a"), 0);
    EXPECT_LT(CollateCompare("-", "0"), 0);
    EXPECT_LT(Str("mountain"), Str("North"));
    EXPECT_GT(Str("tundra"), Str("South"));
}

TEST(Collate, IsATotalOrderConsistentWithEquality) {
    std::vector<const char*> words = {"tunnels", "Southwest", "ocean", "cavern", "North",
                                      "a",       "A",         "aB",    "Ab",     "plain",
                                      "10",      "1",         "x-y",   "x y",    "\xe9t\xe9"};
    for (const char* a : words)
        for (const char* b : words) {
            int ab = CollateCompare(a, b), ba = CollateCompare(b, a);
            EXPECT_EQ(ab > 0, ba < 0) << a << " " << b;
            EXPECT_EQ(ab == 0, std::string(a) == b) << a << " " << b;
        }
}
