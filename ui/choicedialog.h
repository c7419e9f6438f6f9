#pragma once

#include "base/str.h"

#include <vector>

class DWindow;

// Shows a modal dialog over owner that asks for one of choices, the one at current chosen
// first; returns the index chosen (a double click or OK), or -1 when cancelled.
int DChoiceDialog(const DWindow* owner, const char* title, const char* prompt,
                  const std::vector<Str>& choices, int current = 0);

// Scripts the next choice dialogs for tests: while answers are queued, a dialog is not shown
// but answers the next of them (-1 cancels), and what it offered is recorded.
class ChoiceDialogScript {
public:
    struct Shown {
        Str title;
        Str prompt;
        std::vector<Str> choices;
    };
    static void PushAnswer(int index);
    static bool HasAnswers();
    static const std::vector<Shown>& History();
    static void Reset();
};
