#pragma once

#include <QDialog>
#include <vector>

#include "radio/state/program_state.h"

class QAction;
class QPrintPreviewWidget;
class QPrinter;

namespace talvo {

// "Print preview" (FrmPrint): the programming data printout in a preview pane that fills the
// window. Refresh builds the document again from the program state; Print builds it again
// for the system's default printer; Close ends the window.
class PrintPreviewWindow : public QDialog {
    Q_OBJECT
  public:
    explicit PrintPreviewWindow(const ProgramState& state, QWidget* parent = nullptr);
    ~PrintPreviewWindow() override;

    QPrintPreviewWidget* preview() const { return preview_; }
    // Pages of the document last built into the preview.
    int previewPages() const { return previewPages_; }

    void refresh();
    // False, after telling the user, when there is no default printer or it refuses the job.
    bool printToDefaultPrinter();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void buildInto(QPrinter* printer);
    // The title and the tool bar in the state's language.
    void retranslate();

    const ProgramState& state_;
    QPrinter* previewPrinter_ = nullptr;
    QPrintPreviewWidget* preview_ = nullptr;
    int previewPages_ = 0;
    std::vector<QAction*> actions_;  // refresh, print, zoom in, zoom out, close
};

// The Print command: shows the preview modally over `owner` and returns when it is closed
// (the window is gone by then).
void ShowPrintPreview(const ProgramState& state, QWidget* owner);

}  // namespace talvo
