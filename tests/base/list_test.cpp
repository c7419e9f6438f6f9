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
    EXPECT_EQ(static_cast<Counted*>(list.GetNode(2))->value, 1);
    EXPECT_EQ(list.GetNode(5), nullptr);
    EXPECT_EQ(list.GetNode(-1), nullptr);
    EXPECT_EQ(a->GetIndex(), 2);
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
    EXPECT_EQ(n->GetList(), &two);
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
    for (Node* n = one.GetFirst(); n; n = n->GetNext())
        EXPECT_EQ(n->GetList(), &one);
    two.Add(new Counted(4));
    one.InsertList(two);
    EXPECT_EQ(Values(one), "417823");
    one.AddList(one); // refused
    EXPECT_EQ(Values(one), "417823");
}

TEST(List, DestroyingAListDestroysEveryNodeOnce) {
    int deaths = 0;
    {
        List list;
        for (int i = 0; i < 4; ++i)
            list.Add(new Counted(i, &deaths));
        delete list.GetNode(1); // a node destroyed on its own leaves the list
        EXPECT_EQ(Values(list), "023");
        EXPECT_EQ(deaths, 1);
    }
    EXPECT_EQ(deaths, 4);
}

TEST(List, ForEachMayDeleteTheCurrentNode) {
    int deaths = 0;
    List list;
    for (int i = 0; i < 5; ++i)
        list.Add(new Counted(i, &deaths));
    int visited = 0;
    struct Arg {
        int* visited;
    } arg{&visited};
    list.ForEach(
        [](Node* n, void* a) -> Node* {
            ++*static_cast<Arg*>(a)->visited;
            if (static_cast<Counted*>(n)->value % 2 == 0) delete n;
            return nullptr;
        },
        &arg);
    EXPECT_EQ(visited, 5);
    EXPECT_EQ(Values(list), "13");
    Node* found = list.ForEach(
        [](Node* n, void*) -> Node* { return static_cast<Counted*>(n)->value == 3 ? n : nullptr; },
        nullptr);
    EXPECT_EQ(found, list.GetLast());
}

TEST(List, FirstThatLastThatAndSort) {
    List list;
    for (int v : {3, 1, 4, 1, 5})
        list.Add(new Counted(v));
    auto isOne = [](const Node* n, void*) {
        return static_cast<const Counted*>(n)->value == 1 ? 1 : 0;
    };
    EXPECT_EQ(list.FirstThat(isOne, nullptr), list.GetNode(1));
    EXPECT_EQ(list.LastThat(isOne, nullptr), list.GetNode(3));
    auto byValue = [](const Node* a, const Node* b) {
        return static_cast<const Counted*>(a)->value - static_cast<const Counted*>(b)->value;
    };
    EXPECT_EQ(list.Sort(byValue, false), 0);
    EXPECT_EQ(Values(list), "11345");
    EXPECT_EQ(list.Sort(byValue, true), 0);
    EXPECT_EQ(Values(list), "54311");
    List empty;
    EXPECT_EQ(empty.Sort(byValue, false), 0);
}

TEST(List, NodeMovesWithinItsList) {
    List list;
    for (int i = 1; i <= 3; ++i)
        list.Add(new Counted(i));
    Node* last = list.GetLast();
    last->MakeFirst();
    EXPECT_EQ(Values(list), "312");
    list.GetFirst()->MakeLast();
    EXPECT_EQ(Values(list), "123");
    EXPECT_TRUE(list.GetFirst()->IsBefore(list.GetLast()));
    EXPECT_FALSE(list.GetLast()->IsBefore(list.GetFirst()));
    Node* middle = list.GetNode(1);
    middle->Unlink();
    EXPECT_EQ(Values(list), "13");
    EXPECT_EQ(middle->GetList(), nullptr);
    delete middle;
}

TEST(StrList, FindIsCaseSensitiveAndIFindIsNot) {
    StrList list;
    list.Add("ABC");
    list.Insert("first");
    EXPECT_EQ(list.Find("abc"), nullptr);
    ASSERT_NE(list.iFind("abc"), nullptr);
    EXPECT_EQ(list.iFind("abc")->text, "ABC");
    EXPECT_EQ(list.GetFirst()->text, "first");
    EXPECT_TRUE(list.Delete("ABC"));
    EXPECT_FALSE(list.Delete("ABC"));
    EXPECT_EQ(list.LongCountNodes(), 1);
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

TEST(StrKey, HashRotatesAndXors) {
    StrKey key("ab", true);
    EXPECT_EQ(key.Hash(), ((static_cast<uint32_t>('a') << 1) ^ 'b'));
    StrKey none(nullptr, true);
    EXPECT_EQ(none.Hash(), 0u);
    EXPECT_FALSE(none.iseq(none));
    EXPECT_TRUE(StrKey("Gate", true).iseq(StrKey("Gate", true)));
    EXPECT_FALSE(StrKey("Gate", true).iseq(StrKey("gate", true)));
    EXPECT_TRUE(StrKey("Gate", false).iseq(StrKey("gATE", false)));
    EXPECT_EQ(StrKey("Gate", false).Hash(), StrKey("gate", false).Hash());
}
