#pragma once

#include "base/str.h"

#include <vector>

class DWindow;

// What an open or save dialog shows. The filter is written the classic way, names and
// patterns alternating between "|" ("Maps (*.atl)|*.atl|All files (*.*)|*.*|"); patterns of
// one name are separated by ";".
struct FileDialogParams {
    bool save = false;
    Str title;
    Str filter;
    Str initialName;      // a name with "*" or "?" only narrows what is listed
    Str defaultExtension; // added to a saved name that has none (without the dot)
    Str directory;        // where the dialog starts; the current folder when empty
};

// Shows the modal file dialog over owner; true with the chosen path when the user confirms.
// A save dialog asks before a chosen file is replaced.
bool DFileDialog(const DWindow* owner, const FileDialogParams& params, Str& path);
// An open dialog in which several existing files may be picked at once.
bool DFileDialogMany(const DWindow* owner, const FileDialogParams& params, std::vector<Str>& paths);

// The classic filter in the dialog's form, one "Name (pattern pattern)" per entry, the
// patterns taken from between the bars; "*.*" lists every file, with or without a dot.
std::vector<Str> FileDialogFilters(const char* filter);

// Scripts the next file dialogs for tests: while answers are queued, a dialog is not shown
// but answers the next of them, and its parameters are recorded.
class FileDialogScript {
public:
    // The next dialog is confirmed with path.
    static void PushFileName(const char* path);
    // The next dialog is confirmed with these files picked together.
    static void PushFileNames(const std::vector<Str>& paths);
    // The next dialog is cancelled.
    static void PushCancel();
    static bool HasAnswers();
    // The dialogs answered from the script, oldest first.
    static const std::vector<FileDialogParams>& History();
    static void Reset();
};
