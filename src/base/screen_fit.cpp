#include "base/screen_fit.h"

#include <algorithm>

namespace tkv {
namespace {

long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
    const long long w =
        std::min<long long>(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
    const long long h =
        std::min<long long>(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// One axis: the span [at, at + length) shrunk to `room` (not below `least`)
// and slid into [from, from + room).
void FitSpan(int& at, int& length, int from, int room, int least) {
    length = std::max(std::min(length, room), least);
    if (at + length > from + room)
        at = from + room - length;
    at = std::max(at, from);
}

}  // namespace

std::size_t ScreenOfWindow(const ScreenRect& window, const std::vector<ScreenRect>& screens,
                           std::size_t primary) {
    std::size_t best = primary;
    long long bestArea = 0;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const long long area = OverlapArea(window, screens[i]);
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}

ScreenRect FitIntoWorkArea(const ScreenRect& window, const ScreenRect& work, int minimumWidth,
                           int minimumHeight) {
    if (work.width <= 0 || work.height <= 0)
        return window;
    ScreenRect r = window;
    FitSpan(r.left, r.width, work.left, work.width, std::min(minimumWidth, window.width));
    FitSpan(r.top, r.height, work.top, work.height, std::min(minimumHeight, window.height));
    return r;
}

}  // namespace tkv
