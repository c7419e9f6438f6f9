#include "tests/support/reportdoc.h"

#include "report/intake.h"

namespace {

// Says Yes to every question.
class YesUser : public IntakeUser {
public:
    bool ReplaceTurn(const TurnReplacement&) override { return true; }
};

} // namespace

std::string AddReports(VexlorDoc& doc, const std::vector<std::string>& paths) {
    YesUser user;
    IntakeTarget target{doc, user, nullptr};
    std::string failures;
    for (const std::string& path : paths)
        if (AddReportFile(path.c_str(), target).result != 0) failures += path + " refused\n";
    return failures;
}

std::string AddAllyReports(VexlorDoc& doc, int faction, const char* name,
                           const std::vector<std::string>& paths) {
    AllyMap& ally = doc.Extras().allies.Take(faction);
    ally.name = name;
    return AddReports(*ally.doc, paths);
}

std::vector<std::string> ReportSeries(const std::string& folder, int faction, int last) {
    std::vector<std::string> paths;
    for (int turn = 1; turn <= last; ++turn)
        paths.push_back(folder + "/" + std::to_string(faction) + "-turn" + std::to_string(turn) +
                        ".rep");
    return paths;
}
