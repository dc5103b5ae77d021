// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screen/windowfit.h"

#include <algorithm>

namespace {

struct Span {
    int start = 0;
    int length = 0;
};

// One direction of the fit: `window` between the margins `before` and `after`, inside `room`.
Span fitSpan(Span window, int before, int after, Span room, int minimum) {
    const int length = std::max(minimum, std::min(window.length, room.length - before - after));
    const int outer = length + before + after;
    // The frame's start, moved in from whichever side it crosses; the start side wins.
    const int start =
        std::max(room.start, std::min(window.start - before, room.start + room.length - outer));
    return {start + before, length};
}

} // namespace

ScreenRect fitWindow(ScreenRect window, FrameMargins frame, ScreenRect room, ScreenSize minimum) {
    const Span across = fitSpan({window.x, window.width}, frame.left, frame.right,
                                {room.x, room.width}, minimum.width);
    const Span down = fitSpan({window.y, window.height}, frame.top, frame.bottom,
                              {room.y, room.height}, minimum.height);
    return {across.start, down.start, across.length, down.length};
}
