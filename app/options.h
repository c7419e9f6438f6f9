#pragma once

#include "base/str.h"
#include "tree/descroptions.h"

class ApplicationProfile;

// The user's settings that the program reads before anything else and writes at exit.
class Options {
public:
    Options();

    // Reads every key, each with its current value as the default. A language code that could
    // not name a language file ("vex" + code + ".so" beside the program) reads as "enu".
    void Read(const ApplicationProfile& profile);
    // Writes all nine keys: the code, the last folder and the seven flags as 0 or 1.
    void Write(ApplicationProfile& profile) const;

    // A code is letters and digits only, so that it can never lead out of the program's folder.
    static bool IsLanguageCode(const char* code);

    Str language;          // [Options] Language: selects the language library and the help file
    Str lastDir;           // [Options] LastDir: where the file dialogs start
    DescrOptions headings; // [RightPane] headings of the description pane opened on start
};
