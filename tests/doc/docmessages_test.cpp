#include "base/messagetext.h"
#include "doc/docmessages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <utility>

namespace {

// A language with its own words for one text and for the system's reasons.
class OtherTexts : public MessageTexts {
public:
    Str Text(int id) const override { return id == Msg::ReportEmpty ? Str("%s est vide.") : Str(); }
    Str ErrorText(int) const override { return Str("raison"); }
};

} // namespace

TEST(DocMessages, TheLanguageTextsComeFirstAndArgumentsAreTextOnly) {
    DocOutcome empty;
    empty.kind = DocOutcomeKind::ReportEmpty;
    empty.file = "a%s.rep";
    EXPECT_EQ(DocMessage(empty, OtherTexts()), "a%s.rep est vide.");
    DocOutcome failed;
    failed.kind = DocOutcomeKind::SaveFailed;
    failed.file = "w.atl";
    EXPECT_EQ(DocMessage(failed, OtherTexts()),
              "w.atl could not be saved: raison. The old file is unchanged.");
    EXPECT_EQ(FormatMessageText("%s and %s, 100%% %d", "a"), "a and %s, 100% %d");
    EXPECT_EQ(FormatMessageText(nullptr, "a"), "");
    EXPECT_STREQ(EnglishMessage(9999), "");
    // The library's original strings stay as they were.
    EXPECT_EQ(FormatMessageText(EnglishMessage(Msg::TurnLoaded), "January, Year 1"),
              "This report is for turn (January, Year 1) which is already loaded. Rewrite old "
              "turn information?");
}

TEST(DocMessages, SystemReasonsComeFromTheErrorTexts) {
    DocOutcome o;
    o.kind = DocOutcomeKind::CannotOpen;
    o.file = "r.rep";
    o.errorNumber = EACCES;
    EXPECT_EQ(DocMessage(o), "r.rep cannot be opened: Access is denied.");
    o.errorNumber = ENOSPC;
    EXPECT_EQ(DocMessage(o), "r.rep cannot be opened: There is not enough space on the disk.");
}

// A failed save says why as the system said it, never as a failing device.
TEST(DocMessages, ASaveFailureNamesTheSystemsReason) {
    DocOutcome o;
    o.kind = DocOutcomeKind::SaveFailed;
    o.file = "w.atl";
    const std::pair<int, const char*> reasons[] = {
        {ENOSPC, "There is not enough space on the disk"},
        {EDQUOT, "The disk quota was exceeded"},
        {EFBIG, "The file size exceeds the limit allowed and cannot be saved"},
        {EROFS, "The medium is write protected"},
        {EACCES, "Access is denied"},
        {EPERM, "Access is denied"},
    };
    for (const auto& [error, reason] : reasons) {
        o.errorNumber = error;
        EXPECT_EQ(DocMessage(o).View(), std::string("w.atl could not be saved: ") + reason +
                                            ". The old file is unchanged.");
    }
    o.kind = DocOutcomeKind::SaveBeyondLimits;
    EXPECT_EQ(DocMessage(o), "w.atl could not be saved: the map holds a list of more than 65,535 "
                             "entries, the most a map document can count. The old file is "
                             "unchanged.");
}

TEST(DocMessages, TheReadersLimitsAndTheFilesState) {
    DocOutcome o;
    o.file = "crowd.rep";
    o.line = 16;
    o.list = "units in one region";
    o.kind = DocOutcomeKind::ListTooLong;
    EXPECT_EQ(DocMessage(o), "crowd.rep: line 16: more than 65,535 units in one region, the most "
                             "a map document can hold; the report was not added.");
    o.kind = DocOutcomeKind::CoordinateTooLarge;
    EXPECT_EQ(DocMessage(o), "crowd.rep: line 16 names coordinates beyond 32767, which a map "
                             "document cannot hold; the report was read up to that region.");
    o.kind = DocOutcomeKind::NotAFile;
    EXPECT_EQ(DocMessage(o),
              "crowd.rep is not a regular file (a folder, a pipe or a device) and was not read.");
    o.kind = DocOutcomeKind::ReadOnly;
    EXPECT_EQ(DocMessage(o), "crowd.rep is read-only, so it was not changed.");
    for (DocOutcomeKind kind : {DocOutcomeKind::ReportTooLarge, DocOutcomeKind::NulByte,
                                DocOutcomeKind::ChangedOnDisk, DocOutcomeKind::Busy}) {
        o.kind = kind;
        EXPECT_TRUE(DocMessage(o).View().starts_with("crowd.rep"));
        EXPECT_TRUE(IsFailure(kind));
    }
}

// Every outcome the controller words has its text in the table, and the fields its row names
// fill every "%s" of that text: a row naming too few would show a bare "%s".
TEST(DocMessages, EveryOutcomeHasATextWithEveryPlaceFilled) {
    DocOutcome o;
    o.file = "f.rep";
    o.errorNumber = ENOENT;
    o.line = 7;
    o.faction = 3;
    o.docFaction = 4;
    o.list = "units";
    o.date = AtlDate(4, 2); // months count from 0
    o.names = 2;
    for (int k = 0; k <= static_cast<int>(DocOutcomeKind::ChangedWhileRead); ++k) {
        o.kind = static_cast<DocOutcomeKind>(k);
        Str text = DocMessage(o);
        bool silent = o.kind == DocOutcomeKind::Done || o.kind == DocOutcomeKind::Cancelled;
        EXPECT_EQ(text.IsEmpty(), silent) << "kind " << k;
        EXPECT_EQ(text.View().find("%s"), std::string_view::npos) << text.Get();
        if (!silent) {
            EXPECT_NE(text.View().find("f.rep"), std::string_view::npos) << text.Get();
        }
    }
    o.kind = DocOutcomeKind::ReportKept;
    EXPECT_EQ(ReplaceQuestion(o),
              "f.rep is for May, Year 2, which is already loaded. Replace the loaded turn?");
    ReportsOutcome several;
    several.reports = {o};
    EXPECT_EQ(ReportsSummary(several), "Reports added: 0, replaced: 0, kept: 1, refused: 0.");
}
