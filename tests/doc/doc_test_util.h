#pragma once

#include "doc/doccontroller.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

inline std::string Rep(const std::string& name) {
    return std::string(VEXLOR_REPORTS_DIR) + "/" + name;
}

// A fresh folder of the test's own.
inline std::string Scratch(const std::string& name) {
    auto dir = std::filesystem::path(testing::TempDir()) / ("doc_test_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Answers as scripted (No when the script is used up) and records what it was asked.
class ScriptedQuestions : public DocQuestions {
public:
    DocAnswer ReplaceTurn(const DocOutcome& report, bool forAll) override {
        asked.push_back(std::string("replace ") + report.date.GetString().Get() +
                        std::string(report.faction ? " of " + std::to_string(report.faction) : "") +
                        std::string(forAll ? " (all)" : ""));
        return Next();
    }
    DocAnswer OtherFaction(const DocOutcome& report) override {
        asked.push_back("faction " + std::to_string(report.faction));
        return Next();
    }
    DocAnswer AllyReport(const DocOutcome& report, bool forAll) override {
        asked.push_back("ally " + report.factionName + " (" + std::to_string(report.faction) + ")" +
                        std::string(forAll ? " (all)" : ""));
        return Next();
    }
    std::vector<DocAnswer> answers;
    std::vector<std::string> asked;

private:
    DocAnswer Next() {
        if (answers.empty()) return DocAnswer::No;
        DocAnswer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
};

class CountingObserver : public DocObserver {
public:
    void DocumentChanged() override { ++changes; }
    int changes = 0;
};

// The controller with a shorthand for adding one report, which the tests do most.
struct TestController : DocController {
    DocOutcome AddReport(const std::string& path) {
        ReportsOutcome all = AddReports({path});
        return all.reports.empty() ? DocOutcome() : all.reports.front();
    }
};

// A controller with scripted questions, an observer and no debug file.
struct Desk {
    TestController doc;
    ScriptedQuestions questions;
    CountingObserver observer;
    Desk() {
        doc.SetQuestions(&questions);
        doc.SetObserver(&observer);
        doc.SetDebugFile(nullptr);
    }
};
