#pragma once

#include "app/dynlib.h"
#include "base/str.h"

class IniText;

// The program's settings file: plain INI text ("[Options]", "Language=enu", ...) that a
// person can read and edit. Every call reads the file afresh, and every write replaces the
// file whole and atomically, so it is never left half-written and nothing is cached here.
class ApplicationProfile {
public:
    // The installed program folder holds a file of this name: even a user who may write there
    // (root) keeps the profile in the configuration folder, so nothing is left in the folder
    // that the package manager does not know.
    static constexpr const char* kPerUserMarker = "per-user-profile";

    // The program's file with ".INI" for its extension; when the program's folder cannot be
    // written, is not private or holds kPerUserMarker (an installed program), the file of that
    // name in the user's configuration folder (empty when there is none).
    explicit ApplicationProfile(HINSTANCE module);
    // The given path, unchanged.
    explicit ApplicationProfile(const char* path) : path_(path) {}
    void SetIniFile(const char* path) { path_.Set(path); }
    const Str& GetIniFile() const { return path_; }

    // The value, at most size - 1 characters; def when the key, the file or its reading fails.
    Str GetString(const char* section, const char* key, const char* def, int size) const;
    // The value as a decimal integer; def when absent or not a number in range.
    int GetInt(const char* section, const char* key, int def) const;

    // Each answers whether the file now holds the change; a failed write changes nothing.
    bool WriteString(const char* section, const char* key, const char* value);
    bool WriteInt(const char* section, const char* key, int value);
    bool ClearGroup(const char* section);

    // The profile file of a program at programPath: its extension (after the last "." that
    // follows the last "\\", "/" or ":") replaced by ".INI", or ".INI" appended.
    static Str IniPathFor(const char* programPath);
    // Where the profile goes when the program's folder is read-only: the same file name in
    // $XDG_CONFIG_HOME, else in $HOME/.config, else in .config of accountHome (the user
    // database's home folder by default), whichever first is or can be made private (see
    // IsPrivateFolder). Empty when none is: the settings are then not kept.
    static Str UserIniPathFor(const char* programPath);
    static Str UserIniPathFor(const char* programPath, const char* accountHome);
    // A folder that only this user can change: theirs, and writable by no one else. A profile
    // in any other folder could be replaced by another user, so it is never written there.
    static bool IsPrivateFolder(const char* dir);

private:
    enum class Load { Read, Missing, Failed };
    Load Read(IniText& text) const;
    // Reads, applies the edit, writes back. An edit that answers false writes nothing.
    template <class Edit> bool Change(Edit edit);

    Str path_;
};
