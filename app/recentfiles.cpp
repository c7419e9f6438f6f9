#include "app/recentfiles.h"

#include "app/profile.h"

#include <algorithm>
#include <string>

namespace {

std::string Key(size_t index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

void RecentFiles::Load(const ApplicationProfile& profile) {
    files_.clear();
    for (size_t i = 0; i < kMax; ++i) {
        Str path = profile.GetString("Recent", Key(i).c_str(), "", 4096);
        if (!path.IsEmpty()) Add(path.Get());
    }
    std::reverse(files_.begin(), files_.end()); // Add put the last read on top
}

void RecentFiles::Save(ApplicationProfile& profile) const {
    profile.ClearGroup("Recent");
    for (size_t i = 0; i < files_.size(); ++i)
        profile.WriteString("Recent", Key(i).c_str(), files_[i].Get());
}

void RecentFiles::Add(const char* path) {
    if (!path || !*path) return;
    Remove(path);
    files_.insert(files_.begin(), Str(path));
    if (files_.size() > kMax) files_.resize(kMax);
}

void RecentFiles::Remove(const char* path) {
    files_.erase(std::remove(files_.begin(), files_.end(), Str(path)), files_.end());
}
