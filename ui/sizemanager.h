#pragma once

class ApplicationProfile;
class DWindow;

// Keeps a window's place, size and state in the profile under the keys X, Y, W, H and show of
// its section ("Window"). Values that would lose the window (off every screen, too small, an
// unknown state) are passed over for the defaults.
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
