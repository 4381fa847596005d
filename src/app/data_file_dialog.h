#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace talvo {

// The Open and Save dialog of data files.

// Runs the dialog in `folder` with `filter` (the toolkit's form, the file type's own filter
// first, e.g. "DAT文件(*.dat)") and returns the chosen path, or an empty text when the user
// cancels. On Save, a name without a suffix gets the suffix of the selected filter (".dat"
// under the data file filter, none under all files) before the dialog asks whether to replace
// an existing file, so the question concerns the file that will be written. A Save given a
// file's path instead of a folder proposes that file.
QString ChooseDataFile(QWidget* parent, bool save, const QString& folder, const QString& filter);
// A file dialog of that kind (tests answer it themselves).
using FileChooser = std::function<QString(QWidget* parent, bool save, const QString& folder,
                                          const QString& filter)>;

// Where the dialogs start: the folder of the last data file chosen for Open or Save (kept
// between runs) while it exists, else the user's documents folder (or home folder).
QString DataFileStartFolder();
// Remembers the folder of `path`, a data file just chosen.
void RememberDataFileFolder(const QString& path);

}  // namespace talvo
