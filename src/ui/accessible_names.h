#pragma once

class QAbstractButton;
class QAbstractItemView;
class QAction;
class QFileDialog;
class QToolBar;
class QWidget;

namespace talvo {

// Names for a screen reader that have no caption to come from. Each name is set at once and
// then follows its source by itself (a language switch changes the source, and the name with
// it), so the windows' text code never has to repeat it.

// `control` (a grid, a window's focus holder) is named by the title of `titled`, its window.
void NameAfterTitle(QWidget* control, QWidget* titled);
// Every button of `bar` is named by its tool tip: they show only an icon.
void NameToolBarButtons(QToolBar* bar);
// `control` is named by the command that shows it, without the command's mnemonic marker.
void NameAfterCommand(QWidget* control, QAction* command);
// `control` continues the sentence of `choice` (a number after "starting channel:").
void NameAfterChoice(QWidget* control, QAbstractButton* choice);
// A cell's editor, shown over column `column` of `view`, is named by that column's header.
void NameAfterColumn(QWidget* editor, const QAbstractItemView* view, int column);
// The toolkit's file dialog leaves its folder and file type lists without their captions.
void NameFileDialogFields(QFileDialog* dialog);

}  // namespace talvo
