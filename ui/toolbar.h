#pragma once

#include "ui/dwindow.h"

#include <memory>

class Bitmap;
class DFrameWindow;
class QImage;

// A row of picture buttons along the top of a frame's client area. Each button runs one of
// the frame's commands, stands enabled exactly while that command is, and shows the
// command's menu text as its tip.
class DToolbar : public DWindow {
public:
    DToolbar(DFrameWindow* frame, const char* name);
    ~DToolbar() override;

    // The buttons' pictures: the cells of cellWidth x cellHeight pixels of bitmap, numbered
    // from the left. Transparent parts of the bitmap show the bar beneath.
    void SetBitmap(const Bitmap& bitmap, int cellWidth, int cellHeight);
    // A button with picture cell `image` at the right end of the row.
    void AddButton(int image, unsigned command);
    // The height the bar needs.
    int GetHeight() const;

private:
    DFrameWindow* frame_;
    std::unique_ptr<QImage> images_;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
};
