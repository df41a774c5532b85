#pragma once

#include <cstddef>
#include <vector>

namespace tkv {

// A rectangle on the desktop in logical pixels: top-left corner and size.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The screen a window belongs to: the one its rectangle overlaps most, or
// `primary` when it overlaps none (the screen it was stored on is gone, or a
// place stored at another size points past every edge).
std::size_t ScreenOfWindow(const ScreenRect& window, const std::vector<ScreenRect>& screens,
                           std::size_t primary);

// The window moved, and shrunk first where it is larger, so that it lies
// inside `work`. It never becomes smaller than `minimum`; a window that still
// does not fit keeps its top-left corner on the work area's, so its title bar
// and first controls stay in reach. A window that fits is left alone.
ScreenRect FitIntoWorkArea(const ScreenRect& window, const ScreenRect& work, int minimumWidth,
                           int minimumHeight);

}  // namespace tkv
