#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace talvo::testing {

// What a test saw of one message box.
struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;    // labels, ordered by button identifier (OK, Cancel, ... No)
    QString defaultButton;  // label of the default button, empty when none
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowModality modality = Qt::NonModal;
    int answeredId = 0;   // identifier of the pressed button (0 when pressed by label or key)
    qint64 seenAtMs = 0;  // QDateTime::currentMSecsSinceEpoch() when the box was found
};

// Answers modal windows that the code under test opens while the test waits in a call that
// does not return until they are closed (exec(), a message box, a modal dialog).
//
// Queue answers first, then run the code. A message box that arrives with no queued answer is
// recorded as unexpected and closed with Escape, so a test never hangs on a forgotten box.
class ModalAnswerer : public QObject {
    Q_OBJECT
  public:
    ModalAnswerer();
    ~ModalAnswerer() override;

    // Answers the next message box by pressing the button with this identifier (1 OK,
    // 2 Cancel, ... 7 No, as carried by the box's buttons), by label, or with a key.
    void answerId(int id);
    void answerLabel(const QString& label);
    void answerKey(Qt::Key key);
    // Hands the next modal window of any kind (not only message boxes) to `handler`, which
    // must close it or arrange for it to close.
    void handleNextModal(std::function<void(QWidget*)> handler);

    const QList<SeenBox>& seen() const { return seen_; }
    const SeenBox& last() const { return seen_.back(); }
    int unexpected() const { return unexpected_; }
    int pending() const { return static_cast<int>(answers_.size()); }
    // Processes events until every queued answer was used (false after `ms`).
    bool waitAllAnswered(int ms = 5000);
    void clear();

  private:
    struct Answer {
        enum Kind { Id, Label, Key, Handler } kind;
        int id = 0;
        QString label;
        Qt::Key key = Qt::Key_Escape;
        std::function<void(QWidget*)> handler;
    };
    void poll();
    void answerBox(QMessageBox* box, const Answer& answer);

    QTimer timer_;
    std::deque<Answer> answers_;
    QList<SeenBox> seen_;
    // Windows already answered; guarded, so a new box at a freed address is not skipped.
    QList<QPointer<QWidget>> handled_;
    int unexpected_ = 0;
};

// Reads the identifier a message box button carries.
int ButtonId(const QAbstractButton* button);

}  // namespace talvo::testing
