#pragma once

#include "ui/dapplication.h"

#include <memory>

class FrameWindow;

// The program's application object: it makes the main window with menu 1 of the language
// library and places it as it was last time.
class Appl : public DApplication {
public:
    Appl(HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow);
    ~Appl() override;

    void InitMainWindow() override;
    FrameWindow* GetFrame() const { return frame_.get(); }

private:
    std::unique_ptr<FrameWindow> frame_;
};
