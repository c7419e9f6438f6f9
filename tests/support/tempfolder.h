#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include <unistd.h>

// A fresh folder for one GoogleTest test, named after the test and removed afterwards.
struct TempFolder {
    explicit TempFolder(const std::string& kind) {
        path = std::filesystem::temp_directory_path() /
               ("vexlor-" + kind + "-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The names of what the folder holds.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path))
            names.insert(e.path().filename().string());
        return names;
    }
    std::filesystem::path path;
};
