#pragma once

// One subcommand of vexlor-cli: args excludes the program and subcommand names.
// Returns the exit status.
using CommandFunction = int (*)(int argc, char** argv);

struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    CommandFunction run;
};

int RunLines(int argc, char** argv);
int RunDump(int argc, char** argv);
int RunDescribe(int argc, char** argv);
int RunEvents(int argc, char** argv);
int RunAdd(int argc, char** argv);
int RunRender(int argc, char** argv);
int RunLevels(int argc, char** argv);
int RunFind(int argc, char** argv);

// "vexlor-cli: <message>" on standard error; returns 1 for the caller's exit status.
int Fail(const char* format, ...);
