// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a window goes on the screen so that all of it, its frame included, can be seen.

// A rectangle of the screen in whole pixels: x grows to the right, y downwards.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ScreenRect&) const = default;
};

// What the window system adds around a window: its title bar and borders.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const FrameMargins&) const = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The window `window` (its inside: what the program draws, without the frame) moved and shrunk
// as little as it takes for it and its `frame` to lie inside `room`, the free part of a screen.
// It never becomes smaller than `minimum`: a window whose minimum is larger than the room keeps
// its frame's top left corner, where the title bar is, in the room.
ScreenRect fitWindow(ScreenRect window, FrameMargins frame, ScreenRect room, ScreenSize minimum);
