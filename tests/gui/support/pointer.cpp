#include "support/pointer.h"

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace talvo::testing {
namespace {

// The pointer is where the event happens (menus compare its place with where they opened).
QWindow* WindowAt(QPoint global) {
    QCursor::setPos(global);
    QWidget* under = QApplication::widgetAt(global);
    if (!under) return nullptr;
    return under->window()->windowHandle();
}

}  // namespace

bool PointerPress(QPoint global, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
    QWindow* window = WindowAt(global);
    if (!window) return false;
    QTest::mousePress(window, button, modifiers, window->mapFromGlobal(global));
    return true;
}

bool PointerRelease(QPoint global, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
    QWindow* window = WindowAt(global);
    if (!window) return false;
    QTest::mouseRelease(window, button, modifiers, window->mapFromGlobal(global));
    return true;
}

bool PointerMove(QPoint global) {
    QWindow* window = WindowAt(global);
    if (!window) return false;
    QTest::mouseMove(window, window->mapFromGlobal(global));
    return true;
}

bool PointerClick(QPoint global, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
    return PointerPress(global, modifiers, button) && PointerRelease(global, modifiers, button);
}

QPoint ScreenPoint(const QWidget* widget, QPoint local) {
    return widget->mapToGlobal(local);
}

}  // namespace talvo::testing
