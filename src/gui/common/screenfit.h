// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMdiSubWindow;
class QSize;
class QWidget;

// Every window opens where all of it can be seen: a laptop's screen at 150 % is 910 × 512 of the
// program's pixels, smaller than the sizes the windows were drawn for.

// Gives the top-level `window`, before it is first shown, the size `wanted`, or less where the
// free part of its screen (QScreen::availableGeometry) is smaller, its frame included. Whenever it
// is shown, and again once the window system has framed it, it is moved and shrunk as little as
// it takes to lie inside that part; where the user moves it later is left to the user.
void fitToScreen(QWidget* window, QSize wanted);

// Opens the sub-window `frame` of the main window's area at `wanted`, frame included, or smaller
// where the area is smaller.
void fitToArea(QMdiSubWindow* frame, QSize wanted);

// Moves the shown sub-window `frame` as little as it takes for all of it to lie inside its area:
// the area places a new window beside the others even where it then stands out of the area.
void keepInArea(QMdiSubWindow* frame);
