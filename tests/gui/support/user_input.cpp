#include "support/user_input.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace talvo::testing {
namespace {

QWidget* KeyReceiver() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup->focusWidget() ? popup->focusWidget() : popup;
    }
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeWindow();
}

void MouseAt(QTest::MouseAction action, QPoint global, Qt::MouseButton button) {
    QWidget* receiver = MouseReceiver(global);
    QVERIFY2(receiver, "no widget under the pointer");
    const QPoint local = receiver->mapFromGlobal(global);
    if (action == QTest::MousePress) {
        QTest::mousePress(receiver, button, {}, local);
    } else {
        QTest::mouseRelease(receiver, button, {}, local);
    }
}

}  // namespace

QWidget* MouseReceiver(QPoint global) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QWidget* child = popup->childAt(popup->mapFromGlobal(global));
        return child ? child : popup;
    }
    return QApplication::widgetAt(global);
}

void UserClick(QWidget* widget, QPoint pos, Qt::MouseButton button) {
    const QPoint global = widget->mapToGlobal(pos);
    MouseAt(QTest::MousePress, global, button);
    MouseAt(QTest::MouseRelease, global, button);
}

void UserClick(QWidget* widget) {
    UserClick(widget, widget->rect().center());
}

bool UserKey(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* receiver = KeyReceiver();
    if (!receiver) return false;
    QTest::keyClick(receiver, static_cast<Qt::Key>(key), modifiers);
    return true;
}

void UserType(const QString& text) {
    for (const QChar c : text) {
        QWidget* receiver = KeyReceiver();
        QVERIFY2(receiver, "nothing has the keyboard");
        QTest::keyClick(receiver, c.toLatin1());
    }
}

}  // namespace talvo::testing
