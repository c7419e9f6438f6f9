// Writes the documents the companion's tests read into the folder given as the argument (made
// when missing):
// full.atl (every field filled), empty.atl, truncated.atl (the full document cut inside its
// last turn), not-a-document.atl (signature in other case) and version2.atl.
#include "tests/model/sample_doc.h"

#include "base/wstream.h"
#include "model/docfile.h"
#include "model/vexlordoc.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Bytes(VexlorDoc& doc) {
    omwstream out;
    WriteDocFile(out, doc);
    return out.Bytes();
}

bool Put(const std::string& dir, const char* name, const std::vector<unsigned char>& bytes) {
    std::string path = dir + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_test_docs FOLDER\n");
        return 2;
    }
    std::string dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    VexlorDoc full;
    FillSampleDoc(full);
    std::vector<unsigned char> bytes = Bytes(full);
    VexlorDoc empty;
    std::vector<unsigned char> truncated(bytes.begin(), bytes.end() - 3);
    std::vector<unsigned char> lowerCase = bytes;
    lowerCase[9] = 'v';
    std::vector<unsigned char> version2 = bytes;
    version2[17] = 2;
    bool ok = Put(dir, "full.atl", bytes) && Put(dir, "empty.atl", Bytes(empty)) &&
              Put(dir, "truncated.atl", truncated) && Put(dir, "not-a-document.atl", lowerCase) &&
              Put(dir, "version2.atl", version2);
    if (!ok) std::perror(argv[1]);
    return ok ? 0 : 1;
}
