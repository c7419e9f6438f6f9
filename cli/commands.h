#pragma once

#include "base/messagetable.h"

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct Command;

// What a subcommand was given: its operands in order and the options of the one option table
// (cli/cliparse.cpp) that it takes.
struct CommandArgs {
    const Command* command = nullptr;
    std::vector<std::string> operands;
    // Each option given, by its name in the table; a flag's value is empty.
    std::map<std::string, std::string> options;

    // The value of a value option ("--turn") when given; null when not.
    const char* Value(const char* option) const;
    // Whether an option ("--replace") was given.
    bool Has(const char* option) const;
    // The command's usage on standard error; returns its usage status.
    int UsageError() const;
};

// Returns the exit status.
using CommandFunction = int (*)(const CommandArgs& args);

struct Command {
    const char* name;
    // The texts (base/messagetable.h) of its operands and options as the usage line shows them,
    // without "vexlor-cli ", and of what it does.
    int usage;
    int summary;
    // The options of the table it takes, separated by blanks: "--turn -o".
    const char* options;
    int minOperands;
    int maxOperands; // -1: no limit
    // The exit status of arguments that do not fit the usage (find's is grep's).
    int usageStatus;
    CommandFunction run;
};

int RunLines(const CommandArgs& args);
int RunDump(const CommandArgs& args);
int RunDescribe(const CommandArgs& args);
int RunEvents(const CommandArgs& args);
int RunAdd(const CommandArgs& args);
int RunRender(const CommandArgs& args);
int RunLevels(const CommandArgs& args);
int RunFind(const CommandArgs& args);
int RunAllies(const CommandArgs& args);
int RunExportAlly(const CommandArgs& args);
int RunNotes(const CommandArgs& args);
int RunNote(const CommandArgs& args);
int RunFaction(const CommandArgs& args);
int RunReference(const CommandArgs& args);
int RunTrack(const CommandArgs& args);
int RunUnits(const CommandArgs& args);
int RunFactions(const CommandArgs& args);
int RunChanges(const CommandArgs& args);
int RunHistory(const CommandArgs& args);

// "vexlor-cli: <message>" on standard error; returns 1 for the caller's exit status.
int Fail(const char* format, ...);
// Fail with the English text of id (base/messagetable.h), its "%s" filled by args.
int FailMessage(int id, std::initializer_list<std::string_view> args = {});
