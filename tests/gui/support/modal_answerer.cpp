#include "support/modal_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace talvo::testing {

int ButtonId(const QAbstractButton* button) {
    return button ? button->property("talvoButtonId").toInt() : 0;
}

ModalAnswerer::ModalAnswerer() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

ModalAnswerer::~ModalAnswerer() {
    timer_.stop();
}

void ModalAnswerer::answerId(int id) {
    answers_.push_back({Answer::Id, id, {}, {}, {}});
}
void ModalAnswerer::answerLabel(const QString& label) {
    answers_.push_back({Answer::Label, 0, label, {}, {}});
}
void ModalAnswerer::answerKey(Qt::Key key) {
    answers_.push_back({Answer::Key, 0, {}, key, {}});
}
void ModalAnswerer::handleNextModal(std::function<void(QWidget*)> handler) {
    answers_.push_back({Answer::Handler, 0, {}, {}, std::move(handler)});
}

bool ModalAnswerer::waitAllAnswered(int ms) {
    QElapsedTimer t;
    t.start();
    while (!answers_.empty() && t.elapsed() < ms) QTest::qWait(5);
    return answers_.empty();
}

void ModalAnswerer::clear() {
    answers_.clear();
    seen_.clear();
    unexpected_ = 0;
}

void ModalAnswerer::poll() {
    handled_.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    for (const QPointer<QWidget>& w : handled_) {
        if (w == modal) return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (answers_.empty()) {
        if (!box) return;  // another modal window the test drives itself
        ++unexpected_;
        answerBox(box, {Answer::Key, 0, {}, Qt::Key_Escape, {}});
        return;
    }
    Answer answer = answers_.front();
    if (answer.kind == Answer::Handler) {
        answers_.pop_front();
        handled_.append(modal);
        answer.handler(modal);
        return;
    }
    if (!box) return;
    answers_.pop_front();
    answerBox(box, answer);
}

void ModalAnswerer::answerBox(QMessageBox* box, const Answer& answer) {
    // The box is answered once: a second poll while it closes must not find it again.
    handled_.append(box);
    QPointer<QMessageBox> guard(box);
    SeenBox s;
    s.seenAtMs = QDateTime::currentMSecsSinceEpoch();
    s.title = box->windowTitle();
    s.text = box->text();
    s.icon = box->icon();
    s.modality = box->windowModality();
    if (auto* def = box->defaultButton()) s.defaultButton = def->text();
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return ButtonId(a) < ButtonId(b); });
    for (QAbstractButton* b : buttons) s.buttons << b->text();

    QAbstractButton* target = nullptr;
    for (QAbstractButton* b : box->buttons()) {
        if ((answer.kind == Answer::Id && ButtonId(b) == answer.id) ||
            (answer.kind == Answer::Label && b->text() == answer.label)) {
            target = b;
        }
    }
    if (target) {
        s.answeredId = ButtonId(target);
        seen_.append(s);
        target->click();
    } else {
        seen_.append(s);
        if (answer.kind != Answer::Key) ++unexpected_;
        QTest::keyClick(box, answer.kind == Answer::Key ? answer.key : Qt::Key_Escape);
    }
    // A box that ignores Escape (no escape button) is closed with its first button.
    if (guard && guard->isVisible() && answer.kind != Answer::Key) {
        if (!buttons.isEmpty()) buttons.front()->click();
    }
}

}  // namespace talvo::testing
