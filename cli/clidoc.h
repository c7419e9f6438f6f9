#pragma once

#include "doc/doccontroller.h"

// The document a subcommand reads, through the controller as the window opens it.

// Opens path into doc; on failure prints the controller's message and returns false. A damaged
// document is taken when takeDamaged (its message is then printed by the caller).
bool OpenDocument(DocController& doc, const char* path, bool takeDamaged = false);
// The turn to show: dateText (a turn number or a date) when given, else the newest. Prints
// the message and returns false for a bad text or a turn the document does not reach.
bool ShowTurn(DocController& doc, const char* dateText);
// "vexlor-cli: " and the controller's message on standard error; returns 1.
int FailWith(const DocOutcome& outcome);
