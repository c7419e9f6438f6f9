#include "testdir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TestDir::TestDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vexlor-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TestDir::~TestDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TestDir::Copy(const char* from, const std::string& name) const {
    std::filesystem::copy_file(from, File(name), std::filesystem::copy_options::overwrite_existing);
}

void TestDir::Write(const std::string& name, const std::string& text) const {
    std::ofstream(File(name), std::ios::binary) << text;
}

std::string TestDir::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
