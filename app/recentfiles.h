#pragma once

#include "base/str.h"

#include <vector>

class ApplicationProfile;

// The maps used last, newest first, as the File menu lists them; kept in the profile's
// [Recent] section as File1, File2, ...
class RecentFiles {
public:
    static constexpr size_t kMax = 4;

    void Load(const ApplicationProfile& profile);
    void Save(ApplicationProfile& profile) const;
    // path goes to the top (once).
    void Add(const char* path);
    void Remove(const char* path);
    const std::vector<Str>& Files() const { return files_; }

private:
    std::vector<Str> files_;
};
