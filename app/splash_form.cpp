// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/splash_form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QThread>
#include <QWindow>

namespace brisalto {
namespace {

constexpr char kSplashPicture[] = ":/splash.svg";
const QColor kMediumGrey(160, 160, 164);
// How long to wait for the window system to map the window before painting anyway.
constexpr int kExposeWaitMs = 200;

QPixmap SplashPixmap() {
    QPixmap pixmap(kSplashWidth, kSplashHeight);
    pixmap.fill(kMediumGrey);
    if (QFile::exists(QString::fromLatin1(kSplashPicture))) {
        QSvgRenderer renderer(QString::fromLatin1(kSplashPicture));
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, kSplashWidth, kSplashHeight));
    }
    return pixmap;
}

}  // namespace

TSplashForm::TSplashForm()
    : QSplashScreen(SplashPixmap(), Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint) {
    setFixedSize(kSplashWidth, kSplashHeight);
}

void TSplashForm::ShowAndPaint() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(2);
    }
    repaint();
}

}  // namespace brisalto
