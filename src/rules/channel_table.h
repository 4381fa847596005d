#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/text.h"
#include "radio/fields/channel_fields.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"

namespace talvo {

// Rules of the channel table that need no widgets.

// What a commit of the frequency editor did.
enum class FrequencyCommit {
    Deleted,    // empty receive text: the channel was emptied
    Unchanged,  // empty transmit text: nothing changed
    Refused,    // out of band (or not a single number): nothing changed, the user is told
    Stored,     // the frequency took the snapped value
    Created,    // as Stored, and the free channel got its new-channel defaults
};

// Commits `text` typed into the frequency cell (`channel`, `column` 1 or 2).
// A channel it creates takes the new-channel defaults.
FrequencyCommit CommitFrequency(ChannelStores& stores, const BandState& band, int channel,
                                int column, std::string_view text);

// The column an editor opens on when the user picks (`channel`, `column`): a free channel
// can only be started by its receive frequency. 0 when the column has no editor.
int EditorColumn(const ChannelStores& stores, int channel, int column);

// A pick of entry `index` in the drop-down of column 3..9.
void CommitOption(ChannelStores& stores, int channel, int column, int index);

// The name while the name editor is being typed into, or when it closes (fillers removed).
void StoreName(ChannelStores& stores, int channel, std::string_view text);

// New: every channel emptied.
void StartForm(ChannelStores& stores);

// Typing filters of the two text editors. They act on what a single edit inserted (typed
// keys, a paste), so characters already in the text (a decoded name may hold any byte) stay.
enum class EntryKind {
    Frequency,  // digits and "." only, at most 9 characters
    Name,       // codes 35..122, letters forced to upper case, at most 5 characters
};
inline constexpr std::size_t kFrequencyEntryLength = 9;

struct FilteredEntry {
    std::u32string text;
    std::size_t cursor;  // just after the accepted inserted characters
};

// `before` is the editor's text before one edit, `after` its text after it.
FilteredEntry FilterEntry(EntryKind kind, std::u32string_view before, std::u32string_view after);

}  // namespace talvo
