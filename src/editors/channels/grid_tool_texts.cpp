#include "editors/channels/grid_tool_texts.h"

#include <QLineEdit>
#include <memory>

#include "model/channel_lists.h"

namespace talvo {

const Bilingual& RefusalText(EditRefusal reason) {
    static const Bilingual free{"空信道（请先输入接收频率）",
                                "Free channel (enter its receive frequency first)"};
    // The words typing shows for the same fault.
    static const Bilingual band{"超出频段范围", "Beyond the scope of frequency band"};
    static const Bilingual tooLong{"名称超过5个字符", "Name longer than 5 characters"};
    static const Bilingual characters{"名称含有不能使用的字符",
                                      "Name holds a character names cannot hold"};
    switch (reason) {
        case EditRefusal::FreeChannel:
            return free;
        case EditRefusal::OutOfBand:
            return band;
        case EditRefusal::NameTooLong:
            return tooLong;
        case EditRefusal::NameCharacters:
            return characters;
    }
    return free;
}

QString Words(const Bilingual& text, LanguageFlagValue lang) {
    return QString::fromStdString(text.pick(lang));
}

QString ColumnWord(int column, LanguageFlagValue lang) {
    if (column < 0 || column >= kGridColumns) return {};
    return Words(ChannelGridHeaders()[static_cast<std::size_t>(column)], lang);
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
