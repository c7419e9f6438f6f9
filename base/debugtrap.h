#pragma once

// Called on internal inconsistencies. It never stops the program: debug builds log a line
// on standard error, release builds do nothing.
void DebugTrap(const char* what);
