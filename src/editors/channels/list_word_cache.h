#pragma once

#include <QString>
#include <array>
#include <string>
#include <vector>

#include "model/language.h"
#include "radio/state/channels.h"

namespace talvo {

// The finished words of the channel grid's list cells (columns 3..9), per column and list index,
// in the language last shown: a refresh makes each word once instead of once per row. An entry
// serves a cell only while the cell's message is the one it was made from (the same catalogue
// text, or the same literal), so a row that reads differently until the next redraw (a new
// channel's word, an unlisted tone's code) is never shown a stale word.
class ListWordCache {
  public:
    // Forgets every word when `lang` is not the language they were made in.
    void use(Language lang);
    // What cell `column` (1..10) of `channel` shows, `words` being the words of the language
    // given to use().
    QString cellText(const Channel& channel, int column, const TextWords& words);

  private:
    struct Entry {
        bool made = false;
        Text text;            // a catalogue text, or
        std::string literal;  // a literal (text.source null)
        QString words;
    };

    Language lang_;
    std::array<std::vector<Entry>, kChannelOptionCount> entries_;
};

}  // namespace talvo
