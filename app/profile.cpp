#include "app/profile.h"

#include "base/textutil.h"

#include "app/initext.h"
#include "base/replacefile.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A profile is a few hundred bytes; anything much larger is not one, and is left alone.
constexpr std::uintmax_t kMaxProfileBytes = 1 << 20;

std::string FileNameOf(const char* path) {
    return std::filesystem::path(path ? path : "").filename().string();
}

// A folder that does not exist yet can take the profile when the folder it will be made in is
// private: nobody else can then put anything in its place.
bool CanBePrivate(std::filesystem::path dir) {
    std::error_code ec;
    while (!std::filesystem::exists(dir, ec) && dir.has_relative_path())
        dir = dir.parent_path();
    return ApplicationProfile::IsPrivateFolder(dir.c_str());
}

// Makes the missing folders of dir only the user's (as if the umask were 077), then answers
// whether dir is private.
bool MakePrivateFolder(const std::filesystem::path& dir) {
    std::filesystem::path made;
    for (const auto& part : dir) {
        made /= part;
        if (mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return ApplicationProfile::IsPrivateFolder(dir.c_str());
}

} // namespace

ApplicationProfile::ApplicationProfile(HINSTANCE module) {
    const char* program = module ? module->FileName().Get() : "";
    path_ = IniPathFor(program);
    std::filesystem::path dir = std::filesystem::path(path_.Get()).parent_path();
    if (dir.empty()) dir = ".";
    std::error_code ec;
    if (access(dir.c_str(), W_OK) != 0 || !IsPrivateFolder(dir.c_str()) ||
        std::filesystem::exists(dir / kPerUserMarker, ec))
        path_ = UserIniPathFor(program);
}

Str ApplicationProfile::IniPathFor(const char* programPath) {
    std::string path = programPath ? programPath : "";
    for (size_t i = path.size(); i-- > 0;) {
        char c = path[i];
        if (c == '\\' || c == '/' || c == ':') break;
        if (c == '.') {
            path.resize(i);
            break;
        }
    }
    return Str(path + ".INI");
}

Str ApplicationProfile::UserIniPathFor(const char* programPath) {
    const passwd* account = getpwuid(geteuid());
    return UserIniPathFor(programPath, account ? account->pw_dir : nullptr);
}

Str ApplicationProfile::UserIniPathFor(const char* programPath, const char* accountHome) {
    std::vector<std::filesystem::path> candidates;
    // Only absolute folders: a relative one would depend on where the program was started.
    auto absolute = [](const char* dir) { return dir && *dir == '/'; };
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); absolute(config))
        candidates.emplace_back(config);
    if (const char* home = std::getenv("HOME"); absolute(home))
        candidates.push_back(std::filesystem::path(home) / ".config");
    if (absolute(accountHome)) candidates.push_back(std::filesystem::path(accountHome) / ".config");
    for (const auto& dir : candidates)
        if (CanBePrivate(dir))
            return Str((dir / FileNameOf(IniPathFor(programPath).Get())).string());
    return Str();
}

bool ApplicationProfile::IsPrivateFolder(const char* dir) {
    struct stat st;
    if (!dir || stat(dir, &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    return st.st_uid == geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

ApplicationProfile::Load ApplicationProfile::Read(IniText& text) const {
    std::error_code ec;
    auto status = std::filesystem::status(path_.Get(), ec);
    if (!std::filesystem::exists(status)) return path_.IsEmpty() ? Load::Failed : Load::Missing;
    if (!std::filesystem::is_regular_file(status)) return Load::Failed;
    auto size = std::filesystem::file_size(path_.Get(), ec);
    if (ec || size > kMaxProfileBytes) return Load::Failed;
    std::ifstream in(path_.Get(), std::ios::binary);
    std::string bytes(size, '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return Load::Failed;
    text = IniText(bytes);
    return Load::Read;
}

template <class Edit> bool ApplicationProfile::Change(Edit edit) {
    IniText text;
    // A file that exists but cannot be read is not overwritten: its contents would be lost.
    if (Read(text) == Load::Failed) return false;
    std::string before = text.Text();
    if (!edit(text)) return false;
    if (text.Text() == before) return true; // already so: the file is not touched
    std::filesystem::path dir = std::filesystem::path(path_.Get()).parent_path();
    if (!MakePrivateFolder(dir.empty() ? "." : dir)) return false;
    return ReplaceFileContents(path_.Get(), text.Text());
}

Str ApplicationProfile::GetString(const char* section, const char* key, const char* def,
                                  int size) const {
    IniText text;
    std::optional<std::string> value;
    if (section && key && Read(text) == Load::Read) value = text.Get(section, key);
    Str result = value ? Str(*value) : Str(def);
    if (size <= 0) return Str();
    if (result.Length() > size - 1) result = Str(result.Get(), 0, size - 1);
    return result;
}

int ApplicationProfile::GetInt(const char* section, const char* key, int def) const {
    IniText text;
    if (!section || !key || Read(text) != Load::Read) return def;
    auto value = text.Get(section, key);
    if (!value) return def;
    return static_cast<int>(ParseWhole(*value, INT_MIN, INT_MAX).value_or(def));
}

bool ApplicationProfile::WriteString(const char* section, const char* key, const char* value) {
    if (!section || !key) return false;
    return Change([&](IniText& text) { return text.Set(section, key, value ? value : ""); });
}

bool ApplicationProfile::WriteInt(const char* section, const char* key, int value) {
    return WriteString(section, key, std::to_string(value).c_str());
}

bool ApplicationProfile::ClearGroup(const char* section) {
    if (!section) return false;
    return Change([&](IniText& text) {
        text.RemoveSection(section);
        return true;
    });
}
