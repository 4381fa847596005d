#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/language.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"

namespace talvo {

// The fields of a channel, each described once: what it holds, what it is called, its words,
// how typed text becomes its value, and where it sits in the radio's memory. The channel table,
// the column edit, sorting, finding, the change list, the printout, the edit history and the
// command line all read this table.

// What a field holds.
enum class FieldKind {
    Frequency,  // a Frequency, typed as "145.12500" and checked against the band
    Tone,       // an index into the shared tone list
    List,       // an index into the field's own list
    Name,       // the bytes the radio stores, at most five typed characters
};

// Where a field sits in memory: `bytes` bytes from `offset` of the channel's 13-byte record
// (Record::Channel) or of its 8-byte name record, of whose last byte it owns the bits `mask`.
struct FieldPlace {
    enum class Record { Channel, Name };
    Record record = Record::Channel;
    std::size_t offset = 0;
    std::size_t bytes = 0;
    std::uint8_t mask = 0xFF;
};

struct ChannelField {
    int column = 0;        // in the channel table, 1..10 (column 0 holds the channel number)
    const char* key = "";  // a name that never changes: "rxFrequency", "power", ...
    FieldKind kind = FieldKind::List;
    Text header;  // the table's header: the field's name in the change list and in diff
    Text label;   // the field's name in the edit history ("RX frequency")
    int widthTwips = 0;
    std::span<const Text> entries{};  // List: the entries by index
    // List: the order entries sort in, by index (empty: index order).
    std::span<const std::uint8_t> sortRank{};
    // Tone and List: what a channel made by typing its receive frequency starts with.
    int newChannelIndex = 0;
    FieldPlace place;
};

inline constexpr std::size_t kChannelFieldCount = kGridColumns - 1;

const std::array<ChannelField, kChannelFieldCount>& ChannelFields();
// The field shown in table column `column`; nullptr outside 1..10.
const ChannelField* FieldOfColumn(int column);

// The number column: its header and width.
const Text& ChannelNumberHeader();
inline constexpr int kChannelNumberTwips = 600;
// The header and width of table column `column` 0..10 (0: the number column).
const Text& ColumnHeader(int column);
int ColumnTwips(int column);

// The name column's list: On and Off words that only name captions; typing a name never
// offers it.
std::span<const Text> NameColumnList();

// Number of entries a Tone or List field offers (0 for the others), and entry `index` (an
// empty literal when there is no such entry).
int EntryCount(const ChannelField& field);
Message EntryWord(const ChannelField& field, int index);

// The list indexes a channel made by typing its receive frequency starts with.
std::array<std::int16_t, kChannelOptionCount> NewChannelOptions();

// The word the band column of a channel made by typing shows until the table is drawn afresh:
// "Wide", where the list has "wide".
const Text& NewChannelBandWord();

// The word a Tone or List field of `channel` shows: its entry, or the code of a tone the list
// does not have, or the new-channel word of the band column.
Message ChannelOptionWord(const Channel& channel, int column);

// What cell `column` (1..10) of `channel` shows: frequencies as "145.12500", list words, the
// name's bytes. A free channel shows only its name.
Message ChannelCell(const Channel& channel, int column);
// The same in the words of one language.
std::string ChannelCellText(const Channel& channel, int column, const TextWords& words);

// Why a text is no value of a field.
enum class EditRefusal {
    FreeChannel,     // no receive frequency: only the receive column can start a channel
    OutOfBand,       // a frequency outside both segments of the band (or no single number)
    NameTooLong,     // more than the five characters the name editor takes
    NameCharacters,  // a character the name editor does not take
    NoSuchEntry,     // words that are no entry of the field's list in any language
};

// The most characters a typed name holds (the radio stores eight).
inline constexpr std::size_t kNameEntryLength = 5;

// The name the name editor would hold after `text` was typed into it empty: letters a..z in
// upper case. A refusal when a character would be dropped or the name is too long.
struct NameCheck {
    std::string name;
    std::optional<EditRefusal> refusal;
};
NameCheck CheckTypedName(std::string_view text);

// The frequency text the table stores for `text`, or empty when the band refuses it. Refused
// are entries with two or more points (their value is ambiguous), values outside both
// segments of the band, and values whose stored form would fall outside them.
std::string BandCheckedFrequency(const BandState& band, std::string_view text);

// What a text typed for `field` stands for.
struct FieldText {
    std::optional<EditRefusal> refusal;  // set: the text is no value of the field
    std::optional<Frequency> frequency;  // Frequency: nullopt (and no refusal) for an empty text
    int index = 0;                       // Tone, List
    std::string name;                    // Name
};
// Frequencies as typing checks them, names as the name editor takes them, list words in
// English or any of `languages` (letters in any case) or a tone's own text.
FieldText ParseFieldText(const ChannelField& field, const BandState& band, std::string_view text,
                         const std::vector<TextWords>& languages);

}  // namespace talvo
