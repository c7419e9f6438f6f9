#pragma once

#include "base/messagetable.h"
#include "base/str.h"
#include "doc/docoutcome.h"
#include "model/turnextras.h"

#include <array>
#include <vector>

// The one place where an outcome becomes the text a player reads: the window shows it in a
// message box, vexlor-cli prints it.

// Where texts come from: the language library where it has them, English texts otherwise.
class MessageTexts {
public:
    virtual ~MessageTexts() = default;
    // String id of the language library; empty when it has none.
    virtual Str Text(int id) const;
    // The system's reason for an errno value.
    virtual Str ErrorText(int errnoValue) const;
};

// True for the kinds that mean the operation failed or the report was refused.
bool IsFailure(DocOutcomeKind kind);
// The message for an outcome; empty for Done and Cancelled.
Str DocMessage(const DocOutcome& outcome, const MessageTexts& texts = MessageTexts());
// Whether the report of outcome holds fewer regions or fewer of the player's units than the
// loaded turn it would replace.
bool LosesFromTurn(const DocOutcome& outcome);
// The question before a loaded turn is replaced by the report of outcome; with the counts when
// it would lose regions or units (then No is the safe answer).
Str ReplaceQuestion(const DocOutcome& outcome, const MessageTexts& texts = MessageTexts());
// The question before the report of another faction is added as that ally's.
Str AllyQuestion(const DocOutcome& outcome, const MessageTexts& texts = MessageTexts());
// The summary after several reports: the counts, then each refused report and why.
Str ReportsSummary(const ReportsOutcome& outcome, const MessageTexts& texts = MessageTexts());
// A text of the table by number, from texts or in English.
Str MessageText(int id, const MessageTexts& texts = MessageTexts());

// A turn's events in the report's order (errors, battles, events), each part under the text id
// of its heading: the events window and vexlor-cli events show the same parts.
struct EventsPart {
    int heading;
    const std::vector<Str>& lines;
};
std::array<EventsPart, 3> EventsParts(const TurnEvents& events);
