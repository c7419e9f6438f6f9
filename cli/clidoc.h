#pragma once

#include "doc/doccontroller.h"

// The document a subcommand reads, through the controller as the window opens it.

// Opens path into doc; on failure prints the controller's message and returns false. A damaged
// document is taken when takeDamaged (its message is then printed by the caller). One whose
// extension area could not all be read is taken, and that is said on standard error.
bool OpenDocument(DocController& doc, const char* path, bool takeDamaged = false);
// Opens path and shows the turn dateText names (a turn number or a date), else the newest.
// Empty: the document holds no turn and none was asked for, so there is nothing to show.
// Failed: the message is printed (a document that cannot be read, a bad text, a turn the
// document does not reach).
enum class TurnShown { Shown, Empty, Failed };
TurnShown OpenAtTurn(DocController& doc, const char* path, const char* dateText);
// "vexlor-cli: " and the controller's message on standard error; returns 1.
int FailWith(const DocOutcome& outcome);
