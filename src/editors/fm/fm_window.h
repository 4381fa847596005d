#pragma once

#include <functional>

#include "editors/editor_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace talvo {

// "FM Channel Set": a working copy of the FM record with OK and Cancel. The fields
// live in state().fmWindow; only OK copies them into the record state().fm.
//
// The grid shows channel n (1..25) in table row n - 1; its header row carries the captions.
class FmWindow : public EditorWindow {
    Q_OBJECT
  public:
    FmWindow(Document& document, QWidget* parent = nullptr);
    void applyLanguage() override;
    // Shows state().fmWindow (the window's fields), not the record.
    void loadFromModel() override;

    // OK: copies the window into the record and hides the window. A present channel that is
    // not a whole number is refused with a message; the window then stays open (false).
    bool acceptChanges();
    // Cancel: hides the window; the record and the edited fields stay as they are.
    void cancel();
    // Lays the in-place editor over the frequency cell of `channel` (1..25), as a click does.
    void editChannel(int channel);

    QTableWidget* grid() const { return grid_; }
    QLineEdit* cellEditor() const { return cellEditor_; }
    QLabel* messageLine() const { return messageLine_; }
    QLineEdit* vfoField() const { return vfo_; }
    QComboBox* presentChannel() const { return presentChannel_; }
    QComboBox* displayMode() const { return displayMode_; }
    QComboBox* stepList() const { return step_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // The dialog's fixed size, also for a frame that sizes itself to its contents.
    QSize sizeHint() const override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createGrid();
    void createFields();
    void commitCellEditor();
    void enterInCellEditor();
    void runVfoLeaveCheck();
    void showMessage(int left, int top);
    void dismissMessage();
    void setCell(int channel, FmFrequency frequency);
    // One change of the FM record or fields through the document, labelled with `what`;
    // a non-zero `field` merges the keys typed into that field into one step.
    void changeFm(const Message& what, const std::function<void(ProgramState&)>& mutate,
                  int field = 0);

    QTableWidget* grid_ = nullptr;
    QLineEdit* cellEditor_ = nullptr;
    QLabel* messageLine_ = nullptr;
    QLabel* vfoCaption_ = nullptr;
    QLabel* presentChannelCaption_ = nullptr;
    QLabel* displayModeCaption_ = nullptr;
    QLabel* stepCaption_ = nullptr;
    QLineEdit* vfo_ = nullptr;
    QComboBox* presentChannel_ = nullptr;
    QComboBox* displayMode_ = nullptr;
    QComboBox* step_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int editedChannel_ = 0;  // the channel under the in-place editor, 0 when none
    bool loading_ = false;
    bool selfEdit_ = false;
};

}  // namespace talvo
