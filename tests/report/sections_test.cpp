#include "report/sections.h"
#include "report_test_util.h"

#include <gtest/gtest.h>

namespace {

const std::string kTwoRegions = "Atlantis Report For:\n"
                                "Red Wolves (3)\n"
                                "May, Year 1\n"
                                "\n"
                                "Events during turn:\n"
                                "Scouts (777): Rides from plain (13,11) in Si'iheim.\n"
                                "\n"
                                "Unclaimed silver: 7079.\n"
                                "\n"
                                "tundra (12,4) in Acchir, 1166 peasants (gnomes), $256.\n"
                                "------------------------------------------------------------\n"
                                "  Wages: $11.1 (Max: $122).\n"
                                "\n"
                                "Exits:\n"
                                "  North : tundra (12,2) in Acchir.\n"
                                "\n"
                                "There is a Gate here (Gate 889).\n"
                                "\n"
                                "* Seer (594), Red Wolves (3), leader [LEAD].\n"
                                "\n"
                                "+ Building [1] : Tower.\n"
                                "\n"
                                "\n"
                                "ocean (54,14) in Atlantis Ocean.\n"
                                "------------------------------------------------------------\n"
                                "  Wages: $0.\n"
                                "\n"
                                "Exits:\n"
                                "  none\n"
                                "\n";

const char* Text(ReportLine* n) {
    return n ? n->text.Get() : "(null)";
}

} // namespace

TEST(FindSection, FindsParagraphHeadsOnly) {
    ReportLines lines;
    SplitText(kTwoRegions, lines);
    ReportLine* first = lines.First();
    EXPECT_STREQ(Text(FindSection(first, Section::Events)), "Events during turn:");
    EXPECT_STREQ(Text(FindSection(first, Section::UnclaimedSilver)), "Unclaimed silver: 7079.");
    ReportLine* exits = FindSection(first, Section::Exits);
    ASSERT_NE(exits, nullptr);
    EXPECT_STREQ(Text(exits->Next()), "  North : tundra (12,2) in Acchir.");
    // From the first exits paragraph itself the search goes on to the next one.
    ReportLine* second = FindSection(exits, Section::Exits);
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(Text(second->Next()), "  none");
    EXPECT_EQ(FindSection(second, Section::Exits), nullptr);
    EXPECT_EQ(FindSection(first, Section::OrdersTemplate), nullptr);
    // Line sections are not paragraph sections.
    EXPECT_EQ(FindSection(first, Section::Wages), nullptr);
    EXPECT_EQ(FindSection(first, static_cast<Section::Type>(0)), nullptr);
}

TEST(FindLocSection, CrossesEmptyLinesButStopsAtTheNextRule) {
    ReportLines lines;
    SplitText(kTwoRegions, lines);
    ReportLine* region = FindLocationInfo(lines.First());
    ASSERT_NE(region, nullptr);
    ReportLine* rule = FindRuleLine(region);
    ASSERT_NE(rule, nullptr);
    EXPECT_STREQ(Text(FindLocSection(rule->Next(), Section::Wages)), "  Wages: $11.1 (Max: $122).");
    EXPECT_STREQ(Text(FindLocSection(rule->Next(), Section::Units)),
                 "* Seer (594), Red Wolves (3), leader [LEAD].");
    EXPECT_STREQ(Text(FindLocSection(rule->Next(), Section::Buildings)), "+ Building [1] : Tower.");
    // The first block has no products line, and the search must not take the next block's.
    EXPECT_EQ(FindLocSection(rule->Next(), Section::Products), nullptr);
    // A search that starts on a rule stops at once.
    EXPECT_EQ(FindLocSection(rule, Section::Wages), nullptr);
    EXPECT_EQ(FindLocSection(rule->Next(), Section::Exits), nullptr);
}

TEST(FindLocationInfo, PassesOverParagraphsWithoutARule) {
    ReportLines lines;
    SplitText(kTwoRegions, lines);
    ReportLine* region = FindLocationInfo(lines.First());
    EXPECT_STREQ(Text(region), "tundra (12,4) in Acchir, 1166 peasants (gnomes), $256.");
    // From the region line itself the search starts at the next paragraph: the gate line, the
    // unit and the building paragraphs are passed over.
    ReportLine* next = FindLocationInfo(region);
    EXPECT_STREQ(Text(next), "ocean (54,14) in Atlantis Ocean.");
    EXPECT_EQ(FindLocationInfo(next), nullptr);
}
