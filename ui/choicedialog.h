#pragma once

#include "base/str.h"

#include <vector>

class DWindow;

// Shows a modal dialog over owner that asks prompt with a list of choices (texts of the
// window, UTF-8); true when the user confirms, with the index of the choice in chosen (which
// is also the one offered first).
bool DChoiceDialog(const DWindow* owner, const char* caption, const char* prompt,
                   const std::vector<Str>& choices, int& chosen);

// Scripts the next choice dialogs for tests: while answers are queued, a dialog is not shown
// but answers the next of them, and is recorded.
class ChoiceDialogScript {
public:
    struct Shown {
        Str prompt;
        std::vector<Str> choices;
    };
    // The next dialog is confirmed with choice index.
    static void PushChoice(int index);
    // The next dialog is cancelled.
    static void PushCancel();
    static bool HasAnswers();
    static const std::vector<Shown>& History();
    static void Reset();
};
