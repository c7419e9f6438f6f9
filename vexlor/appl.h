#pragma once

#include "ui/dapplication.h"

#include <memory>

class FrameWindow;

// The program's application object: it makes the main window with menu 1 of the language
// library, places it as it was last time and hands it the files named on the command line.
class Appl : public DApplication {
public:
    Appl(HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow);
    ~Appl() override;

    void InitMainWindow() override;
    FrameWindow* GetFrame() const { return frame_.get(); }

private:
    std::unique_ptr<FrameWindow> frame_;
};
