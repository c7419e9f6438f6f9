#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it.
class TestDir {
public:
    TestDir();
    ~TestDir();
    TestDir(const TestDir&) = delete;
    TestDir& operator=(const TestDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Copies a file into the folder under the given name.
    void Copy(const char* from, const std::string& name) const;
    void Write(const std::string& name, const std::string& text) const;
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};
