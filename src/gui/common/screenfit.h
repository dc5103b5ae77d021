#pragma once

class QMdiSubWindow;
class QSize;
class QWidget;

// Every window opens where all of it can be seen: a laptop's screen at 150 % is 910 × 512 of the
// program's pixels, smaller than the sizes the windows were drawn for.

// Gives the top-level `window`, before it is first shown, the size `wanted`, or less where the
// free part of its screen (QScreen::availableGeometry) is smaller, and keeps it on the screen.
void fitToScreen(QWidget* window, QSize wanted);

// Whenever the top-level `window` is shown, and again once the window system has put its frame
// around it, moves and shrinks it as little as it takes for it and its frame to lie inside the free
// part of its screen. Where the user moves it later is left to the user.
void keepOnScreen(QWidget* window);

// Opens the sub-window `frame` of the main window's area at `wanted`, frame included, or smaller
// where the area is smaller.
void fitToArea(QMdiSubWindow* frame, QSize wanted);

// Moves the shown sub-window `frame` as little as it takes for all of it to lie inside its area:
// the area places a new window beside the others even where it then stands out of the area.
void keepInArea(QMdiSubWindow* frame);
