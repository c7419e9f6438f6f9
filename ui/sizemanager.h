#pragma once

#include "ui/dwindow.h"

#include <vector>

class ApplicationProfile;

// A saved place and size fitted onto the screens there are now (each given by the area a
// window may take): onto the screen it overlaps most, else centred on the first one; never
// larger than that screen, and moved as little as it takes to lie wholly on it. A place saved
// on a screen that is gone, or at another scale, so still opens where it can be seen and moved.
DWindow::Rect FitOnScreens(DWindow::Rect saved, const std::vector<DWindow::Rect>& screens);

// Keeps a window's place, size and state in the profile under the keys X, Y, W, H and show of
// its section ("Window"). A saved place is fitted onto the screens (FitOnScreens); a size too
// small to use or an unknown state is passed over for the defaults.
class SizeManager {
public:
    explicit SizeManager(ApplicationProfile& profile, const char* section = "Window")
        : profile_(profile), section_(section) {}

    // Places the window as saved and shows it in the saved state; without a saved state, in
    // the state cmdShow names. A minimized window is restored minimized.
    void SetSize(DWindow& window, int cmdShow) const;
    // Saves the window's restored place and size and its state.
    void SaveSize(const DWindow& window) const;

private:
    ApplicationProfile& profile_;
    const char* section_;
};
