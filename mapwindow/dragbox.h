#pragma once

#include "base/pixelrect.h"

#include <optional>

class GrafView;

// A box dragged over the map with the left button, for exporting that part of it: begun by a
// press with Shift held, or by any press once armed (File, Export selection). Window pixels;
// the view paints it and repaints what it uncovers.
class DragBox {
public:
    // Drags shorter than this either way are clicks, not boxes.
    static constexpr int kSmallest = 4;

    // The next press begins a box, Shift or not.
    void Arm() { armed_ = true; }
    bool IsArmed() const { return armed_; }
    bool IsDragging() const { return dragging_; }
    // Begins a box at point when armed or when flags (MK_ bits) hold Shift; true when it did.
    bool Begin(unsigned flags, PixelPoint point);
    // Moves the loose corner to point; the rectangle to repaint (where the box was and is).
    PixelRect Move(PixelPoint point);
    // Ends the drag at point: the box within client, or nullopt for a click or a box outside.
    std::optional<PixelRect> End(PixelPoint point, const PixelRect& client);
    // The box between the corners, with its right and bottom edges outside it.
    PixelRect Box() const;

private:
    bool armed_ = false;
    bool dragging_ = false;
    PixelPoint from_;
    PixelPoint to_;
};

// The box's outline, light inside dark so that it shows on every terrain.
void DrawDragBox(GrafView& view, const PixelRect& box);
