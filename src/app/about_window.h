#pragma once

#include <QDialog>
#include <QTimer>

#include "model/language.h"

class QLabel;

namespace talvo {

// A small animation of our own: a radio sending waves.
class RadioWaves : public QWidget {
    Q_OBJECT
  public:
    explicit RadioWaves(QWidget* parent = nullptr);
    int frame() const { return frame_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QTimer timer_;
    int frame_ = 0;
};

// The About window (FrmAbout): product name and version; a click anywhere closes it.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent = nullptr);
    void applyLanguage(Language lang);

    QLabel* titleLabel() const { return lblTitle_; }
    QLabel* versionLabel() const { return lblVersion_; }

  protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* lblTitle_;
    QLabel* lblVersion_;
};

}  // namespace talvo
