#pragma once

// Dictionary order used for the program's sorted keyword tables and for Str's < and >:
// punctuation before digits before letters, letters compared without regard to case first,
// case breaking ties (lower before upper), then byte order so that only equal texts compare 0.
// It does not depend on the process locale.
int CollateCompare(const char* a, const char* b);

// Upper- and lower-case mapping of the Windows-1252 code page used by report texts.
unsigned char ToUpperAnsi(unsigned char c);
unsigned char ToLowerAnsi(unsigned char c);
