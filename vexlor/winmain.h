#pragma once

#include "app/dynlib.h"
#include "ui/sizemanager.h"

// The instance the program was started as (the program's module in a normal run).
extern HINSTANCE Instance;
// Keeps the main window's place and size under [Window] in the profile.
extern SizeManager WindowPlacement;

// The program: reads the options, chooses the language, runs the main window until it
// closes, then writes the options; returns the message loop's result.
int WinMain(HINSTANCE instance, HINSTANCE prevInstance, char* cmdLine, int cmdShow);
