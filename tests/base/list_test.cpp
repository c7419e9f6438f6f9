#include "base/list.h"
#include "base/strlist.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A node that counts its destructions, to catch leaks and double deletes.
struct Counted : Node {
    explicit Counted(int v, int* deaths = nullptr) : value(v), deaths(deaths) {}
    ~Counted() override {
        if (deaths) ++*deaths;
    }
    int value;
    int* deaths;
};

std::string Values(const List& list) {
    std::string s;
    for (Node* n = list.GetFirst(); n; n = n->GetNext())
        s += std::to_string(static_cast<Counted*>(n)->value);
    // Walk back too: a broken prev link shows up as a difference.
    std::string back;
    for (Node* n = list.GetLast(); n; n = n->GetPrev())
        back.insert(0, std::to_string(static_cast<Counted*>(n)->value));
    return s == back ? s : s + "!=" + back;
}

} // namespace

TEST(List, AddAndInsertAtPositions) {
    List list;
    auto* a = new Counted(1);
    list.Add(a);
    EXPECT_EQ(list.GetFirst(), a);
    EXPECT_EQ(list.GetLast(), a);
    list.Insert(new Counted(0));
    list.Add(new Counted(3));
    list.Add(new Counted(2), a);
    list.Insert(new Counted(9), a);
    EXPECT_EQ(Values(list), "09123");
    EXPECT_EQ(list.LongCountNodes(), 5);
}

TEST(List, PositionFromAnotherListCountsAsNone) {
    List one, two;
    auto* foreign = new Counted(7);
    two.Add(foreign);
    one.Add(new Counted(1));
    one.Add(new Counted(2), foreign);    // treated as the end
    one.Insert(new Counted(0), foreign); // treated as the start
    EXPECT_EQ(Values(one), "012");
    EXPECT_EQ(Values(two), "7");
}

TEST(List, AddingANodeMovesItFromItsList) {
    List one, two;
    auto* n = new Counted(5);
    one.Add(n);
    one.Add(new Counted(6));
    two.Add(n);
    EXPECT_EQ(Values(one), "6");
    EXPECT_EQ(Values(two), "5");
    two.Add(n, n); // its own position: nothing happens
    EXPECT_EQ(Values(two), "5");
    two.Add(nullptr);
    EXPECT_EQ(two.LongCountNodes(), 1);
}

TEST(List, MovingListsKeepsOrderAndOwnership) {
    List one, two;
    for (int i = 1; i <= 3; ++i)
        one.Add(new Counted(i));
    for (int i = 7; i <= 8; ++i)
        two.Add(new Counted(i));
    one.AddList(two, one.GetFirst());
    EXPECT_EQ(Values(one), "17823");
    EXPECT_TRUE(two.IsEmpty());
    // The moved nodes are the list's own: unlinking one takes it out of this list.
    Node* moved = one.GetFirst()->GetNext();
    moved->Unlink();
    delete moved;
    EXPECT_EQ(Values(one), "1823");
    one.AddList(one); // refused
    EXPECT_EQ(Values(one), "1823");
}

TEST(List, DestroyingAListDestroysEveryNodeOnce) {
    int deaths = 0;
    {
        List list;
        for (int i = 0; i < 4; ++i)
            list.Add(new Counted(i, &deaths));
        delete list.GetFirst()->GetNext(); // a node destroyed on its own leaves the list
        EXPECT_EQ(Values(list), "023");
        EXPECT_EQ(deaths, 1);
    }
    EXPECT_EQ(deaths, 4);
}

TEST(List, UnlinkedNodeLeavesItsList) {
    List list;
    for (int i = 1; i <= 3; ++i)
        list.Add(new Counted(i));
    Node* middle = list.GetFirst()->GetNext();
    middle->Unlink();
    EXPECT_EQ(Values(list), "13");
    List other;
    other.Add(middle); // free to join another list, which then owns it
    EXPECT_EQ(Values(other), "2");
}

TEST(StrList, FindIsCaseSensitive) {
    StrList list;
    list.Add("ABC");
    list.Insert("first");
    EXPECT_EQ(list.Find("abc"), nullptr);
    ASSERT_NE(list.Find("ABC"), nullptr);
    EXPECT_EQ(list.GetFirst()->text, "first");
}

TEST(StrList, CopiesAreDeep) {
    StrList a;
    a.Add("x");
    a.Add("y");
    StrList b;
    b.Add("old");
    b = a;
    b += a;
    a.GetFirst()->text = "changed";
    std::string all;
    for (StrNode* n = b.GetFirst(); n; n = n->Next())
        all += n->text.Get();
    EXPECT_EQ(all, "xyxy");
    a += a; // appending to itself doubles it once
    EXPECT_EQ(a.LongCountNodes(), 4);
}
