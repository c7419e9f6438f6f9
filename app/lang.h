#pragma once

#include "app/dynlib.h"
#include "app/resources.h"
#include "base/str.h"

#include <memory>

// The language library in use: the source of every text the main window shows.
class Lang {
public:
    Lang() = default;
    Lang(const Lang&) = delete;
    Lang& operator=(const Lang&) = delete;
    virtual ~Lang();

    virtual HINSTANCE GetHModule() const { return module_; }
    // Frees the current library when owned, then takes the new one (which may be null).
    void SetModule(HINSTANCE module, bool owns);
    // Takes a library that this object then owns.
    void SetModule(std::unique_ptr<DynLib> module);

    // String id, at most size - 1 characters (1023 when size is 0 or less); empty if missing.
    Str LoadStringA(unsigned id, int size = 0) const;
    MenuTemplate LoadMenuA(unsigned id) const;
    bool LoadDialogA(unsigned id, DialogTemplate& dialog) const;
    // String id of the library in use, or its English text (base/messagetable.h) when the
    // library has none: what every text of the window comes through.
    Str Text(int id) const;

private:
    HINSTANCE module_ = nullptr;
    bool owns_ = false;
};

// The language object with the error-text functions that the language library exports.
class LangWithError : public Lang {
public:
    // Texts for a system or network error code, a result of reading a volume label, of
    // starting a program and of a common dialog. "Error #" and the code when the library lacks
    // the function.
    Str strerror(int code) const;
    Str strerror_GetVolumeLabel(int code) const;
    Str strerror_Execute(int code) const;
    Str strerror_CommDlg(long code) const;

private:
    Str Call(const char* name, const char* decorated, const char* underscored, int code) const;
};
