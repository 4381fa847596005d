#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

namespace talvo::testing {

// Input delivered the way the window system delivers it, not to a widget the test names.

// The widget that receives a mouse event at `global`: an open popup (a dropped-down list, a
// menu) takes every mouse event; else the innermost widget under the point.
QWidget* MouseReceiver(QPoint global);

// Presses at `pos` of `widget`, then releases at the same screen point, each to the widget
// under the pointer at that moment (a list opened by the press gets the release).
void UserClick(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
// The same at the centre of `widget`.
void UserClick(QWidget* widget);

// A key pressed and released in whatever has the keyboard: an open popup, else the focus
// widget, else the active window. Returns false when nothing has it.
bool UserKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types `text` one character at a time into whatever has the keyboard.
void UserType(const QString& text);

}  // namespace talvo::testing
