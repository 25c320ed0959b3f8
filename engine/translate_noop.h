// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Marks a text of a Qt-free table that the window shows a person (a hint, an element's name):
// lupdate finds it, the window translates it with QCoreApplication::translate(scope, x), and
// brisalto-calc and every saved file read it as it is. Same definition as Qt's, so either may come
// first.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
