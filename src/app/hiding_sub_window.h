#pragma once

#include <QMdiSubWindow>

namespace talvo {

// A child window of the main window that the user's close only hides: the editor inside and
// all its data stay for the whole run. When the editor hides itself (an OK or Cancel button),
// the frame hides with it.
class HidingSubWindow : public QMdiSubWindow {
    Q_OBJECT
  public:
    explicit HidingSubWindow(QWidget* editor, QWidget* parent = nullptr);
    // Shows the frame and the editor.
    void showEditor();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The toolkit writes its system menu once; a language change writes it again.
    void retranslateSystemMenu();

    QWidget* editor_;
};

}  // namespace talvo
