#pragma once

#include <QDialog>

#include "model/program_state.h"

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

  private:
    void buildInto(QPrinter* printer);

    const ProgramState& state_;
    QPrinter* previewPrinter_ = nullptr;
    QPrintPreviewWidget* preview_ = nullptr;
    int previewPages_ = 0;
};

// The Print command: shows the preview modally over `owner` and returns when it is closed
// (the window is gone by then).
void ShowPrintPreview(const ProgramState& state, QWidget* owner);

}  // namespace talvo
