#include "editors/channels/grid_tool_texts.h"

#include <QLineEdit>
#include <memory>

#include "lang/catalogue.h"
#include "radio/state/channel_lists.h"

namespace talvo {

QString ColumnWord(int column, Language lang) {
    if (column < 0 || column >= kGridColumns) return {};
    return Tr(ColumnHeader(column), lang);
}

void FilterTyping(QLineEdit* edit, EntryKind kind) {
    auto before = std::make_shared<QString>(edit->text());
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit, kind, before](const QString& text) {
                         const FilteredEntry out =
                             FilterEntry(kind, before->toStdU32String(), text.toStdU32String());
                         const QString result = QString::fromStdU32String(out.text);
                         *before = result;
                         if (result != text) {
                             edit->setText(result);
                             edit->setCursorPosition(static_cast<int>(out.cursor));
                         }
                     });
}

}  // namespace talvo
