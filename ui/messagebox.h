#pragma once

#include "base/str.h"

#include <vector>

class DWindow;

// Buttons and icon of a message box, and its answers.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_YESNOALL = 0x5,     // Yes, Yes to all, No, No to all
    MB_YESALLCANCEL = 0x6, // Yes, Yes to all, Cancel: go on with a batch, or stop it
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON2 = 0x100, // the second button (No) answers Enter
};
enum { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7, IDYESTOALL = 10, IDNOTOALL = 11 };

// The buttons of a box of this style, left to right: each answer and its text in the
// language in use.
struct MessageBoxButton {
    int answer;
    Str text;
};
std::vector<MessageBoxButton> MessageBoxButtons(unsigned style);

// Shows a modal message box over owner (or over nothing) and returns the button chosen;
// closing it without a button answers Cancel, or OK when there is no Cancel.
int DMessageBox(const DWindow* owner, const char* text, const char* caption, unsigned style);

// Scripts the next message boxes for tests: while answers are queued, a message box is not
// shown but answers the next of them, and is recorded.
class MessageBoxScript {
public:
    struct Shown {
        Str text;
        Str caption;
        unsigned style = 0;
    };
    static void PushAnswer(int answer);
    static bool HasAnswers();
    // The message boxes answered from the script, oldest first.
    static const std::vector<Shown>& History();
    static void Reset();
};
