#pragma once

#include <QMdiSubWindow>

namespace talvo {

// A child window of the main window that the user's close only hides: the editor inside and
// all its data stay for the whole run. When the editor hides itself (an OK or Cancel button),
// the frame hides with it. The editor sits in a scroll area, so the frame can be made smaller
// than the editor's layout needs and still show all of it.
class HidingSubWindow : public QMdiSubWindow {
    Q_OBJECT
  public:
    explicit HidingSubWindow(QWidget* editor, QWidget* parent = nullptr);
    QWidget* editor() const { return editor_; }
    // Sizes the frame so that the editor gets `editorSize` (at least what its layout needs).
    void resizeForEditor(QSize editorSize);
    // Shows the frame and the editor.
    void showEditor();
    // Makes the frame fit into `area` (a size smaller than the frame's shrinks it, the editor
    // then scrolls) and moves it wholly inside. A frame shrunk this way gets its size back,
    // as far as the area allows, the next time, unless the user resized it meanwhile.
    void fitInto(QSize area);

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The toolkit writes its system menu once; a language change writes it again.
    void retranslateSystemMenu();

    QWidget* editor_;
    QSize beforeFit_;  // the size before fitInto() shrank the frame; invalid when it did not
    QSize fitted_;     // the size fitInto() gave
};

}  // namespace talvo
