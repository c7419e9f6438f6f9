#pragma once

#include "cli/commands.h"
#include "model/atldate.h"

#include <cstdio>
#include <optional>
#include <string>

// The command line of a subcommand, read by the one option table every command shares.

// Reads argv (argv[0] the subcommand's name) into args by command's options and operands.
// Returns the exit status when the command is not to run: 0 after printing its help for
// --help, else after its usage on standard error (2 for an unknown option).
std::optional<int> ReadCommandArgs(const Command& command, int argc, char** argv,
                                   CommandArgs& args);
// What --help prints: the usage, the summary and each option the command takes.
void PrintCommandHelp(const Command& command, FILE* out);

// The game's turn number as players count it (1 is January, Year 1), or a date as the program
// writes it: "March, Year 5".
bool ParseDate(const std::string& text, AtlDate& date);
