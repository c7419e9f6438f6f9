#pragma once

// The four error-text functions that errlex32.so and every language library export under
// these plain names. Each returns a pointer to one static buffer of the library, which the
// next call of any of the four overwrites.

#define ERRLEX_EXPORT __attribute__((visibility("default")))

extern "C" {
ERRLEX_EXPORT const char* wk_strerror(int code);
ERRLEX_EXPORT const char* wk_strerror_GetVolumeLabel(int code);
ERRLEX_EXPORT const char* wk_strerror_Execute(int code);
ERRLEX_EXPORT const char* wk_strerror_CommDlg(int code);
}

// The error-text string id of the library these functions are built into, or null. Each
// library provides its own: errlex32.so its full table, a language library its own.
const char* ErrlexString(unsigned id);
