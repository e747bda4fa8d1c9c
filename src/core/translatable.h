// SPDX-License-Identifier: MIT
#pragma once

// Marks a text of one of the library's tables for translation: the window
// shows it through QCoreApplication::translate(scope, text), and Qt's
// lupdate finds the mark. The library links no Qt, so it defines the mark
// itself, the same way Qt does.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
