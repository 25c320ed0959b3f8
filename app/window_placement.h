// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Keeping the main window's frame (title bar included) where the settings file says: the saved
// position is the frame's, and it is restored as the frame's once the window manager has framed
// the window; a position off every screen is brought onto the nearest one.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace brisalto {

// Where a frame of frame_size asked to be at wanted goes: there, when it lies wholly within the
// screens' available areas; otherwise onto the screen nearest to it, wholly visible (its top-left
// corner visible when it is larger than that screen). No screens: wanted. Any int is accepted.
QPoint FitFrameOnScreens(QPoint wanted, QSize frame_size, const QList<QRect>& screens);

// The available areas of the screens of the running application.
QList<QRect> AvailableScreenAreas();

// Puts window's frame at frame_pos (fitted onto the screens) now, using the client size as a
// guess of the frame's, and again when the window is first shown on the screen and its frame is
// known: window managers place a new window's client area, not its frame, where it asked to be.
void PlaceWindowFrame(QWidget* window, QPoint frame_pos);

// How much larger than its design in pixels the main window is drawn: by the desktop font's
// pixel size against the 12 pixels (9 pt at 96 dpi) of the design, never smaller than the
// design for a small font; then, when design_size times that (plus frame_extra for the title bar
// and frame) is larger than the free area, as much smaller as it takes to fit, down to half.
double DesignScale(int font_pixels, QSize design_size, QSize frame_extra, QRect free_area);

// Where window's frame is now, as PlaceWindowFrame takes it.
QPoint FramePosition(const QWidget& window);

}  // namespace brisalto
