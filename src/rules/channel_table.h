#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/band.h"
#include "model/channels.h"
#include "model/text.h"

namespace talvo {

// Rules of the channel table that need no widgets. Every function keeps the stores and the
// grid cell texts (`ChannelStores::Cell`) in step; the window only shows `Cell`.

// What a commit of the frequency editor did.
enum class FrequencyCommit {
    Deleted,    // empty receive text: the channel was emptied
    Unchanged,  // empty transmit text: nothing changed
    Refused,    // out of band (or not a single number): nothing changed, the user is told
    Stored,     // the cell and its frequency store took the snapped text
    Created,    // as Stored, and the free channel got its new-channel defaults
};

// The frequency text the table stores for `text`, or empty when the band refuses it. Refused
// are entries with two or more points (their value is ambiguous), values outside both
// segments of the band, and values whose stored form would fall outside them.
std::string BandCheckedFrequency(const BandState& band, std::string_view text);

// Commits `text` typed into the frequency cell (`channel`, `column` 1 or 2).
// A channel it creates takes the new-channel defaults, their words from `words`.
FrequencyCommit CommitFrequency(ChannelStores& stores, const BandState& band,
                                const TextWords& words, int channel, int column,
                                std::string_view text);

// The column an editor opens on when the user picks (`channel`, `column`): a free channel
// can only be started by its receive frequency. 0 when the column has no editor.
int EditorColumn(const ChannelStores& stores, int channel, int column);

// A pick in a drop-down of column 3..9: the cell, the option index and the option text.
void CommitOption(ChannelStores& stores, int channel, int column, int index,
                  const std::string& text);

// The name store while the name editor is being typed into (fillers removed).
void StoreName(ChannelStores& stores, int channel, std::string_view text);
// The name editor closes: the store and the name cell take the text.
void CommitName(ChannelStores& stores, int channel, std::string_view text);

// Re-renders every row from the stores with `words`: words of the list columns follow the
// language, tone names, frequencies and names stay.
void RefreshChannelGrid(ChannelStores& stores, const TextWords& words);
// The same for one channel (1..128).
void RefreshChannelRow(ChannelStores& stores, int channel, const TextWords& words);

// New: every channel emptied.
void StartForm(ChannelStores& stores);

// Typing filters of the two text editors. They act on what a single edit inserted (typed
// keys, a paste), so characters already in the text (a decoded name may hold any byte) stay.
enum class EntryKind {
    Frequency,  // digits and "." only, at most 9 characters
    Name,       // codes 35..122, letters forced to upper case, at most 5 characters
};
inline constexpr std::size_t kFrequencyEntryLength = 9;
inline constexpr std::size_t kNameEntryLength = 5;

struct FilteredEntry {
    std::u32string text;
    std::size_t cursor;  // just after the accepted inserted characters
};

// `before` is the editor's text before one edit, `after` its text after it.
FilteredEntry FilterEntry(EntryKind kind, std::u32string_view before, std::u32string_view after);

}  // namespace talvo
