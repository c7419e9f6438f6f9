#include "tests/support/reportdoc.h"

#include "report/intake.h"

namespace {

// Says Yes and keeps what would have been shown.
class QuietUser : public IntakeUser {
public:
    bool AskYesNo(const Str&) override { return true; }
    void ShowMessage(const Str& message) override {
        shown += message.Get();
        shown += '\n';
    }
    void Reformat() override {}
    std::string shown;
};

} // namespace

std::string AddReports(VexlorDoc& doc, const std::vector<std::string>& paths) {
    QuietUser user;
    AtlDate shown;
    IntakeTarget target{doc, shown, user, nullptr};
    for (const std::string& path : paths)
        AddReportFile(path.c_str(), target);
    return user.shown;
}

std::vector<std::string> ReportSeries(const std::string& folder, int faction, int last) {
    std::vector<std::string> paths;
    for (int turn = 1; turn <= last; ++turn)
        paths.push_back(folder + "/" + std::to_string(faction) + "-turn" + std::to_string(turn) +
                        ".rep");
    return paths;
}
