#include "editors/channels/grid_tool_texts.h"

#include <QLineEdit>
#include <memory>

#include "lang/catalogue.h"
#include "radio/state/channel_lists.h"

namespace talvo {

const Text& RefusalText(EditRefusal reason) {
    static const Text free{
        TALVO_TEXT("GridToolTexts", "Free channel (enter its receive frequency first)")};
    // The words typing shows for the same fault.
    static const Text band{TALVO_TEXT("GridToolTexts", "Beyond the scope of frequency band")};
    static const Text tooLong{TALVO_TEXT("GridToolTexts", "Name longer than 5 characters")};
    static const Text characters{
        TALVO_TEXT("GridToolTexts", "Name holds a character names cannot hold")};
    static const Text noEntry{TALVO_TEXT("GridToolTexts", "Words that are no entry of the list")};
    switch (reason) {
        case EditRefusal::FreeChannel:
            return free;
        case EditRefusal::OutOfBand:
            return band;
        case EditRefusal::NameTooLong:
            return tooLong;
        case EditRefusal::NameCharacters:
            return characters;
        case EditRefusal::NoSuchEntry:
            return noEntry;
    }
    return free;
}

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
