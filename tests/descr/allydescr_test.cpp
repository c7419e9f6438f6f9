// The pane over the player's and the allies' sightings, on the real reports of a game whose
// three factions saw overlapping hexes: Red Wolves (3) holds Blue Herons (4) and Green Oaks (5)
// as allies.
#include "descr/descrtree.h"
#include "map/atlmap.h"
#include "map/formatmap.h"
#include "tests/support/reportdoc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kGame = std::string(VEXLOR_REPORTS_DIR) + "/head-standard";
constexpr int kOwn = 3, kHerons = 4;

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The lines of text from the line that starts with heading (after its indent) up to the next
// line indented as far or less.
std::string Section(const std::string& text, const std::string& heading) {
    size_t at = text.find("  " + heading + "\n");
    if (at == std::string::npos) return "";
    size_t end = text.find("\n  ", at + 1);
    while (end != std::string::npos && text[end + 3] == ' ')
        end = text.find("\n  ", end + 1);
    return text.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

class AllyDescription : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(AddReports(doc, ReportSeries(kGame, kOwn, 8)), "");
        ASSERT_EQ(AddAllyReports(doc, kHerons, "Blue Herons", ReportSeries(kGame, kHerons, 8)), "");
        ASSERT_EQ(AddAllyReports(doc, 5, "Green Oaks", ReportSeries(kGame, 5, 8)), "");
    }
    std::string Text(const AtlCoord& c) {
        auto root = BuildDescrTree(doc, map, c, DescrOptions());
        return root ? TreeText(*root) : "<nothing>";
    }

    VexlorDoc doc;
    AtlMap map;
};

// Where the player and the Blue Herons saw a hex in the same month, the player's sighting leads
// and the pane says who else saw it; a Blue Heron that both saw is listed once, under the
// allies' heading, with what only its owner's report tells (its weight and skills).
TEST_F(AllyDescription, SameMonthSightingsListEachUnitOnceFromItsOwnersReport) {
    int checked = 0;
    for (AtlDate date : doc.KnownMonths()) {
        FormatMap(doc, map, date);
        for (int z : map.Levels())
            map.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
                if (hex.source != kOwn || hex.SameMonth().empty() || hex.seenDate != date) return;
                for (const UnitNode& unit : hex.Location().units) {
                    if (unit.faction.Number() != kHerons) continue;
                    const std::string text = Text(c);
                    const std::string seenBy =
                        "  Seen by Blue Herons (4), " + std::string(date.GetString().Get()) + "\n";
                    EXPECT_EQ(Count(text, seenBy), 1u) << text;
                    const std::string name =
                        std::string(unit.name.Get()) + " (" + std::to_string(unit.number) + ")";
                    const std::string allied = Section(text, "Allied units:");
                    EXPECT_EQ(Count(allied, "    " + name), 1u) << text;
                    EXPECT_EQ(Count(Section(text, "Other units:"), name), 0u) << text;
                    EXPECT_NE(allied.find("Weight: "), std::string::npos) << text;
                    EXPECT_NE(allied.find("Skills: "), std::string::npos) << text;
                    ++checked;
                }
            });
    }
    EXPECT_GT(checked, 0);
}

// A hex the player's map shows from an ally's sighting names that ally and the month, lists
// the allies' units under their heading and the player's under "Your units" as the map marks
// them.
TEST_F(AllyDescription, AnAllysSightingSaysWhoSawItAndWhen) {
    FormatMap(doc, map, doc.LastMonth());
    int checked = 0;
    for (int z : map.Levels())
        map.GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData& hex) {
            if (hex.source != kHerons || hex.Has(AtlHexData::HexPartial)) return;
            const std::string text = Text(c);
            const std::string last = "  Last seen: " + std::string(hex.seenDate.GetString().Get());
            EXPECT_NE(text.find(last + "\n  Seen by Blue Herons (4), " +
                                std::string(hex.seenDate.GetString().Get()) + "\n"),
                      std::string::npos)
                << text;
            EXPECT_EQ(Count(text, "Seen by "), 1 + hex.SameMonth().size()) << text;
            EXPECT_EQ(Count(text, "  Allied units"), 1u) << text;
            ++checked;
        });
    EXPECT_GT(checked, 0);
}

} // namespace
