#pragma once

#include "app/resources.h"

class DWindow;
class QDialog;

// A modal dialog laid out from a dialog template of a language library: its caption, font,
// size in dialog units and its texts and buttons. A button ends the dialog with its identifier.
class DResourceDialog {
public:
    explicit DResourceDialog(const DialogTemplate& dialog) : template_(dialog) {}
    // Shows the dialog over parent until a button or the close box ends it; returns the
    // identifier of the button (IDCANCEL, 2, when closed otherwise).
    int Execute(const DWindow* parent);

    // Builds the Qt dialog without showing it; the caller owns it.
    QDialog* Build(const DWindow* parent) const;

private:
    DialogTemplate template_;
};
