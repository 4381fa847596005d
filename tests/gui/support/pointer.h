// Mouse input delivered the way the window system delivers it.
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace talvo::testing {

// Each call is one event at a point of the screen. It goes to the window under the pointer at
// that moment (QApplication::widgetAt), and Qt routes it on from there as it does for real
// input: to the child under the pointer, or to an open list that holds the pointer. A press
// that opens a list over the pointed cell thus sees its release go to that list, which a
// synthetic click sent straight to one widget never shows. False when no window is there.
bool PointerPress(QPoint global, Qt::KeyboardModifiers modifiers = {},
                  Qt::MouseButton button = Qt::LeftButton);
bool PointerRelease(QPoint global, Qt::KeyboardModifiers modifiers = {},
                    Qt::MouseButton button = Qt::LeftButton);
// A move with the buttons that are held down at that moment.
bool PointerMove(QPoint global);
// Press, then release, as two events.
bool PointerClick(QPoint global, Qt::KeyboardModifiers modifiers = {},
                  Qt::MouseButton button = Qt::LeftButton);

// The screen point of `local` in `widget`.
QPoint ScreenPoint(const QWidget* widget, QPoint local);

}  // namespace talvo::testing
