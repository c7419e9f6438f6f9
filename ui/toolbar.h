#pragma once

#include "ui/dwindow.h"

#include <functional>
#include <memory>
#include <vector>

class Bitmap;
class DFrameWindow;
class QImage;

// A row of picture buttons along the top of a frame's client area. Each button runs one of
// the frame's commands, stands enabled exactly while that command is, and shows the
// command's menu text as its tip.
class DToolbar : public DWindow {
public:
    // The characters a drop-down list is wide enough for.
    static constexpr int kChoiceChars = 36;

    DToolbar(DFrameWindow* frame, const char* name);
    ~DToolbar() override;

    // The buttons' pictures: the cells of cellWidth x cellHeight pixels of bitmap, numbered
    // from the left. Transparent parts of the bitmap show the bar beneath.
    void SetBitmap(const Bitmap& bitmap, int cellWidth, int cellHeight);
    // The same pictures drawn at twice the density, for screens of two device pixels to the
    // pixel; set before the buttons are added.
    void SetDenseBitmap(const Bitmap& bitmap);
    // A button with picture cell `image` at the right end of the row.
    void AddButton(int image, unsigned command);
    // A drop-down list at the right end of the row; chosen(index) runs when the user picks
    // an entry. The name lets tests find it.
    void AddChoice(const char* name, const char* tip, std::function<void(int)> chosen);
    // The list's entries and the one shown (-1 for none); the user's choice is not reported.
    void SetChoices(const std::vector<Str>& entries, int current);
    int GetChoice() const;
    // The height the bar needs.
    int GetHeight() const;

private:
    DFrameWindow* frame_;
    std::unique_ptr<QImage> images_;
    std::unique_ptr<QImage> denseImages_;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
};
