#include "editors/channels/list_word_cache.h"

#include "radio/fields/channel_fields.h"
#include "print/cell_text.h"

namespace talvo {
namespace {

// Texts are compared by where their words live: the catalogue's tables are never moved.
bool SameText(const Text& a, const Text& b) {
    return a.context == b.context && a.source == b.source && a.disambiguation == b.disambiguation &&
           a.plural == b.plural && a.count == b.count;
}

}  // namespace

void ListWordCache::use(Language lang) {
    if (lang == lang_) return;
    lang_ = lang;
    for (auto& column : entries_) column.clear();
}

QString ListWordCache::cellText(const Channel& channel, int column, const TextWords& words) {
    const Message message = ChannelCell(channel, column);
    const int index = column >= kColQtDqtDec && column <= kColTxProhibit && !channel.isFree()
                          ? channel.optionOf(column)
                          : -1;
    // Only plain words are kept: no arguments and nothing applied after.
    if (index < 0 || !message.args.empty() || message.finish) {
        return CellToDisplay(column, Compose(message, words));
    }
    auto& list = entries_[static_cast<std::size_t>(column - kColQtDqtDec)];
    if (list.size() <= static_cast<std::size_t>(index))
        list.resize(static_cast<std::size_t>(index) + 1);
    Entry& e = list[static_cast<std::size_t>(index)];
    const bool same =
        e.made && (message.isLiteral() ? e.text.source == nullptr && e.literal == message.literal
                                       : SameText(e.text, message.text));
    if (!same) {
        e.made = true;
        e.text = message.text;
        e.literal = message.literal;
        e.words = CellToDisplay(column, Compose(message, words));
    }
    return e.words;
}

}  // namespace talvo
