// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QRegion>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>

namespace brisalto {
namespace {

using Wide = std::int64_t;

// A position so far out that no screen can be near it; keeps the rectangle arithmetic in range.
constexpr int kFarAway = 1 << 24;

Wide Gap(Wide low, Wide high, Wide start, Wide end) {
    if (high < start) return start - high;
    if (end < low) return low - end;
    return 0;
}

// Distance between two rectangles given by their inclusive edges; 0 when they overlap.
Wide Distance(Wide left, Wide top, Wide right, Wide bottom, const QRect& screen) {
    const Wide dx = Gap(left, right, screen.left(), screen.right());
    const Wide dy = Gap(top, bottom, screen.top(), screen.bottom());
    return dx * dx + dy * dy;
}

Wide OverlapArea(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : Wide{both.width()} * both.height();
}

int FitInto(int pos, int length, int low, int span) {
    if (length >= span) return low;
    return std::clamp(pos, low, low + span - length);
}

// Moves the window once it is on the screen: only then are the frame's margins known.
class FramePlacer : public QObject {
  public:
    FramePlacer(QWidget* window, QPoint frame_pos)
        : QObject(window), window_(window), frame_pos_(frame_pos) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWindow* handle = window_ ? window_->windowHandle() : nullptr;
        if (watched == window_ && event->type() == QEvent::Show && handle != nullptr) {
            handle->installEventFilter(this);
        } else if (!placed_ && watched == handle && event->type() == QEvent::Expose &&
                   handle->isExposed()) {
            placed_ = true;
            Place(*handle);
            deleteLater();
        }
        return false;
    }

  private:
    // QWindow asks the platform for the margins each time; QWidget keeps an early guess.
    void Place(QWindow& handle) const {
        const QMargins margins = handle.frameMargins();
        const QSize frame_size = handle.geometry().size().grownBy(margins);
        const QPoint frame = FitFrameOnScreens(frame_pos_, frame_size, AvailableScreenAreas());
        const QPoint client = frame + QPoint(margins.left(), margins.top());
        if (handle.position() != client) handle.setPosition(client);
    }

    QPointer<QWidget> window_;
    QPoint frame_pos_;
    bool placed_ = false;
};

}  // namespace

QPoint FitFrameOnScreens(QPoint wanted, QSize frame_size, const QList<QRect>& screens) {
    if (screens.isEmpty()) return wanted;
    const int width = std::max(1, frame_size.width());
    const int height = std::max(1, frame_size.height());
    const int x = std::clamp(wanted.x(), -kFarAway, kFarAway);
    const int y = std::clamp(wanted.y(), -kFarAway, kFarAway);
    const QRect frame(x, y, width, height);

    QRegion uncovered(frame);
    for (const QRect& screen : screens) uncovered -= QRegion(screen);
    if (uncovered.isEmpty()) return wanted;

    // The nearest screen; of screens it overlaps, the one holding most of it.
    const QRect* best = &screens.front();
    for (const QRect& screen : screens) {
        const Wide d = Distance(x, y, frame.right(), frame.bottom(), screen);
        const Wide best_d = Distance(x, y, frame.right(), frame.bottom(), *best);
        if (d < best_d || (d == best_d && OverlapArea(frame, screen) > OverlapArea(frame, *best)))
            best = &screen;
    }
    return QPoint(FitInto(x, width, best->x(), best->width()),
                  FitInto(y, height, best->y(), best->height()));
}

double DesignScale(int font_pixels, QSize design_size, QSize frame_extra, QRect free_area) {
    constexpr double kDesignFontPixels = 12.0;
    constexpr double kSmallest = 0.5;
    double scale = std::max(1.0, font_pixels / kDesignFontPixels);
    if (!free_area.isEmpty() && !design_size.isEmpty()) {
        const double fit_width =
            double(free_area.width() - frame_extra.width()) / design_size.width();
        const double fit_height =
            double(free_area.height() - frame_extra.height()) / design_size.height();
        scale = std::min({scale, fit_width, fit_height});
    }
    return std::max(scale, kSmallest);
}

QList<QRect> AvailableScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

void PlaceWindowFrame(QWidget* window, QPoint frame_pos) {
    window->move(
        FitFrameOnScreens(frame_pos, window->frameGeometry().size(), AvailableScreenAreas()));
    new FramePlacer(window, frame_pos);
}

QPoint FramePosition(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle(); handle != nullptr && handle->isVisible())
        return handle->framePosition();
    return window.pos();
}

}  // namespace brisalto
