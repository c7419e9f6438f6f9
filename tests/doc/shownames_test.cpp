#include "doc/shownames.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Texts(const TurnChoices& list) {
    std::vector<std::string> texts;
    for (const Str& t : list.texts)
        texts.emplace_back(t.Get());
    return texts;
}

} // namespace

// The list always names the month on show: a loaded turn is itself, a month between reports
// stands among them in its place, marked as coming from earlier reports.
TEST(ShowNames, TheTurnListNamesTheMonthOnShow) {
    Desk desk;
    TestController& doc = desk.doc;
    ASSERT_EQ(doc.AddReport(Rep("head-standard/3-turn1.rep")).kind, DocOutcomeKind::ReportAdded);
    ASSERT_EQ(doc.AddReport(Rep("head-standard/3-turn4.rep")).kind, DocOutcomeKind::ReportAdded);
    const char* earlier = " (from earlier reports)";

    TurnChoices list = ListTurnChoices(doc.Doc(), AtlDate(3, 1), earlier);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"January, Year 1", "April, Year 1"}));
    EXPECT_EQ(list.shown, 1);

    list = ListTurnChoices(doc.Doc(), AtlDate(1, 1), earlier);
    EXPECT_EQ(Texts(list),
              (std::vector<std::string>{
                  "January, Year 1", "February, Year 1 (from earlier reports)", "April, Year 1"}));
    EXPECT_EQ(list.shown, 1);
    // Choosing an entry shows its month.
    EXPECT_EQ(list.dates, (std::vector<AtlDate>{AtlDate(0, 1), AtlDate(1, 1), AtlDate(3, 1)}));

    EXPECT_EQ(ListTurnChoices(VexlorDoc(), AtlDate(), earlier).shown, -1);
}

TEST(ShowNames, AnExportedPictureIsNamedForMapLevelAndMonth) {
    EXPECT_EQ(ExportFileName("/home/you/atlantis/wolves.atl", "map", 0, AtlDate(2, 1)),
              "wolves-surface-March-Year-1.png");
    EXPECT_EQ(ExportFileName("wolves.atl", "map", 3, AtlDate(11, 12)),
              "wolves-deep-underworld-December-Year-12.png");
    // A map not saved yet; a level beyond the named ones.
    EXPECT_EQ(ExportFileName("", "map", 9, AtlDate(0, 1)), "map-level-9-January-Year-1.png");
}
