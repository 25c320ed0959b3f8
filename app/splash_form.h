// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The splash window shown while the application's windows are being created: borderless, on top,
// centred, 349 x 250 with the splash picture on medium grey.
#pragma once

#include <QSplashScreen>

namespace brisalto {

inline constexpr int kSplashWidth = 349;
inline constexpr int kSplashHeight = 250;

class TSplashForm : public QSplashScreen {
    Q_OBJECT

  public:
    TSplashForm();

    // Shows the window and paints it at once, so that the picture is on the screen before the
    // slow work that follows.
    void ShowAndPaint();
};

}  // namespace brisalto
