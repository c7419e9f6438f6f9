#pragma once

#include "ui/dwindow.h"

#include <functional>

class ApplicationProfile;
class DFrameWindow;

// A panel docked at a side of its frame: beside the frame's client area, never over it. The
// user may drag it to another side or float it, and close it (its button, or Escape within
// it). Its side, its size across the frame and whether it is open are kept in the profile
// under its section (keys Side, Size, Open), so that the next start shows it where it was left.
class DDockPanel : public DWindow {
public:
    enum Side { Left = 0, Right = 1, Top = 2, Bottom = 3 };
    // Where the profile keeps the panel, and its side and size (across the frame, in pixels;
    // 0 for what its parts ask) while the profile keeps none.
    struct Place {
        ApplicationProfile& profile;
        const char* section;
        Side side = Left;
        int size = 0;
    };

    // Hidden until opened, at the side the profile keeps; the name lets tests find it.
    DDockPanel(DFrameWindow* frame, const char* name, const char* caption, const Place& place);
    ~DDockPanel() override;

    // Whether the panel kept under section was open when the program last left it.
    static bool WasOpen(const ApplicationProfile& profile, const char* section);

    // Shows the panel at its side, in front of a panel stacked with it; the keyboard stays
    // where it is.
    void Open();
    // Hides it as the user's close does: the profile keeps it closed and OnClosed is told.
    void Close();
    bool IsOpen() const;
    Side GetSide() const;
    // What to do once the panel has closed (the frame gives the keyboard back to its map).
    void OnClosed(std::function<void()> closed);

protected:
    // The area the derived panel puts its parts in.
    QWidget* Body() const;

private:
    class PanelWidget;
    friend class PanelWidget;
    PanelWidget* Panel() const;
    // Writes side, size and state to the profile. opening: the size a panel that is opening
    // asked for, or -1 when it asked for none (its width is not laid out yet); 0 for the size
    // it has.
    void KeepPlace(bool open, int opening = 0) const;
    void Closed();

    ApplicationProfile& profile_;
    const char* section_;
    Side side_;
    int keptSize_ = 0; // the size to take again when it first opens; 0 for Qt's choice
    std::function<void()> closed_;
};
