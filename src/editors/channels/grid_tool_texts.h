#pragma once

#include <QString>

#include "model/language.h"
#include "rules/channel_table.h"
#include "rules/column_edit.h"
#include "rules/column_edit_report.h"

class QLineEdit;

namespace talvo {

// Words shared by the many-channel tools of the channel grid (sort, find, column edit, fill).

// `text` in `lang` as a QString.

// The header word of grid column 1..10, without anything the header adds.
QString ColumnWord(int column, Language lang);

// Keeps what is typed into `edit` to what the grid's frequency or name editor takes.
void FilterTyping(QLineEdit* edit, EntryKind kind);

}  // namespace talvo
