#include "radio/fields/channel_fields.h"

#include <algorithm>

#include "model/decimal_number.h"
#include "model/frequency.h"
#include "radio/codecs/codecs.h"
#include "radio/memory/memory_layout.h"
#include "radio/state/tone_list.h"

namespace talvo {
namespace {

namespace L = layout;

const std::array<Text, 3> kPower = {TALVO_TEXT("ChannelLists", "Low"),
                                    TALVO_TEXT("ChannelLists", "High"),
                                    TALVO_TEXT("ChannelLists", "Middle")};
// The list holds Low, High, Middle; the order of strength is Low, Middle, High.
constexpr std::array<std::uint8_t, 3> kPowerRank = {0, 2, 1};
const std::array<Text, 2> kBusyLock = {TALVO_TEXT("ChannelLists", "Carry"),
                                       TALVO_TEXT("ChannelLists", "Off")};
const std::array<Text, 2> kAddScan = {TALVO_TEXT3("ChannelLists", "Off", "scan"),
                                      TALVO_TEXT("ChannelLists", "On")};
const std::array<Text, 2> kBand = {TALVO_TEXT("ChannelLists", "Narror"),
                                   TALVO_TEXT("ChannelLists", "wide")};
const std::array<Text, 2> kOnOff = {TALVO_TEXT3("ChannelLists", "On", "switch"),
                                    TALVO_TEXT("ChannelLists", "Off")};
const Text kNewChannelBand = TALVO_TEXT("ChannelLists", "Wide");

FieldPlace InRecord(std::size_t offset, std::size_t bytes, std::uint8_t mask = 0xFF) {
    return {FieldPlace::Record::Channel, offset, bytes, mask};
}

}  // namespace

const std::array<ChannelField, kChannelFieldCount>& ChannelFields() {
    using K = FieldKind;
    // A list field sits in the flags byte; `mask` names its bits there.
    static const std::array<ChannelField, kChannelFieldCount> fields = {{
        {.column = kColRxFreq,
         .key = "rxFrequency",
         .kind = K::Frequency,
         .header = TALVO_TEXT("ChannelLists", "RXFreq"),
         .label = TALVO_TEXT("EditLabels", "RX frequency"),
         .widthTwips = 1100,
         .place = InRecord(L::kChRxFrequency, 4)},
        {.column = kColTxFreq,
         .key = "txFrequency",
         .kind = K::Frequency,
         .header = TALVO_TEXT("ChannelLists", "TXFreq"),
         .label = TALVO_TEXT("EditLabels", "TX frequency"),
         .widthTwips = 1100,
         .place = InRecord(L::kChTxFrequency, 4)},
        {.column = kColQtDqtDec,
         .key = "rxTone",
         .kind = K::Tone,
         .header = TALVO_TEXT("ChannelLists", "QT/DQT Dec"),
         .label = TALVO_TEXT("EditLabels", "RX tone"),
         .widthTwips = 1200,
         .place = InRecord(L::kChRxTone, 2)},
        {.column = kColQtDqtEnc,
         .key = "txTone",
         .kind = K::Tone,
         .header = TALVO_TEXT("ChannelLists", "QT/DQT Enc"),
         .label = TALVO_TEXT("EditLabels", "TX tone"),
         .widthTwips = 1200,
         .place = InRecord(L::kChTxTone, 2)},
        {.column = kColPower,
         .key = "power",
         .kind = K::List,
         .header = TALVO_TEXT("ChannelLists", "Power"),
         .label = TALVO_TEXT("EditLabels", "Power"),
         .widthTwips = 640,
         .entries = kPower,
         .sortRank = kPowerRank,
         .newChannelIndex = 1,
         .place = InRecord(L::kChFlags, 1, 0x03)},
        {.column = kColBusyLock,
         .key = "busyLock",
         .kind = K::List,
         .header = TALVO_TEXT("ChannelLists", "Busy Lock"),
         .label = TALVO_TEXT("EditLabels", "Busy lock"),
         .widthTwips = 1400,
         .entries = kBusyLock,
         .newChannelIndex = 1,
         .place = InRecord(L::kChFlags, 1, 0x04)},
        {.column = kColAddScan,
         .key = "addScan",
         .kind = K::List,
         .header = TALVO_TEXT("ChannelLists", "Add Scan"),
         .label = TALVO_TEXT("EditLabels", "Add scan"),
         .widthTwips = 900,
         .entries = kAddScan,
         .newChannelIndex = 1,
         .place = InRecord(L::kChFlags, 1, 0x08)},
        {.column = kColBand,
         .key = "wideNarrow",
         .kind = K::List,
         .header = TALVO_TEXT("ChannelLists", "Band"),
         .label = TALVO_TEXT("EditLabels", "Wide/narrow"),
         .widthTwips = 700,
         .entries = kBand,
         .newChannelIndex = 1,
         .place = InRecord(L::kChFlags, 1, 0x10)},
        {.column = kColTxProhibit,
         .key = "txProhibit",
         .kind = K::List,
         .header = TALVO_TEXT("ChannelLists", "TX Prohibit"),
         .label = TALVO_TEXT("EditLabels", "TX prohibit"),
         .widthTwips = 1250,
         .entries = kOnOff,
         .newChannelIndex = 1,
         .place = InRecord(L::kChFlags, 1, 0x20)},
        {.column = kColName,
         .key = "name",
         .kind = K::Name,
         .header = TALVO_TEXT("ChannelLists", "Channel Name"),
         .label = TALVO_TEXT("EditLabels", "Name"),
         .widthTwips = 1400,
         .place = {FieldPlace::Record::Name, 0, L::kNameSize, 0xFF}},
    }};
    return fields;
}

const ChannelField* FieldOfColumn(int column) {
    if (column < kColRxFreq || column > kColName) return nullptr;
    return &ChannelFields()[static_cast<std::size_t>(column - kColRxFreq)];
}

const Text& ChannelNumberHeader() {
    static const Text header = TALVO_TEXT("ChannelLists", "CH");
    return header;
}

const Text& ColumnHeader(int column) {
    const ChannelField* field = FieldOfColumn(column);
    return field ? field->header : ChannelNumberHeader();
}

int ColumnTwips(int column) {
    const ChannelField* field = FieldOfColumn(column);
    return field ? field->widthTwips : kChannelNumberTwips;
}

std::span<const Text> NameColumnList() {
    return kOnOff;
}

int EntryCount(const ChannelField& field) {
    if (field.kind == FieldKind::Tone) return kToneCount;
    if (field.kind == FieldKind::List) return static_cast<int>(field.entries.size());
    return 0;
}

Message EntryWord(const ChannelField& field, int index) {
    if (field.kind == FieldKind::Tone) return ToneName(index);
    if (field.kind != FieldKind::List || index < 0 || index >= EntryCount(field)) {
        return Message::Literal({});
    }
    return field.entries[static_cast<std::size_t>(index)];
}

std::array<std::int16_t, kChannelOptionCount> NewChannelOptions() {
    std::array<std::int16_t, kChannelOptionCount> options{};
    for (const ChannelField& field : ChannelFields()) {
        if (field.kind == FieldKind::Tone || field.kind == FieldKind::List) {
            options[static_cast<std::size_t>(field.column - kColQtDqtDec)] =
                static_cast<std::int16_t>(field.newChannelIndex);
        }
    }
    return options;
}

const Text& NewChannelBandWord() {
    return kNewChannelBand;
}

Message ChannelOptionWord(const Channel& channel, int column) {
    const ChannelField* field = FieldOfColumn(column);
    if (!field || (field->kind != FieldKind::Tone && field->kind != FieldKind::List)) {
        return Message::Literal({});
    }
    const int index = channel.optionOf(column);
    if (field->kind == FieldKind::Tone) {
        const auto& unlisted =
            channel.unlistedTone[static_cast<std::size_t>(column - kColQtDqtDec)];
        if (index == 0 && unlisted) {
            return Message::Literal(DecodeTone(static_cast<std::uint8_t>(*unlisted & 0xFF),
                                               static_cast<std::uint8_t>(*unlisted >> 8)));
        }
    }
    if (column == kColBand && channel.bandShowsNewChannelWord && index == field->newChannelIndex) {
        return kNewChannelBand;
    }
    return EntryWord(*field, index);
}

Message ChannelCell(const Channel& channel, int column) {
    if (column == kColName) return Message::Literal(channel.name);
    if (channel.isFree()) return Message::Literal({});
    switch (column) {
        case kColRxFreq:
            return Message::Literal(channel.rx->text());
        case kColTxFreq:
            return Message::Literal(FrequencyText(channel.tx));
        default:
            return ChannelOptionWord(channel, column);
    }
}

std::string ChannelCellText(const Channel& channel, int column, const TextWords& words) {
    return Compose(ChannelCell(channel, column), words);
}

NameCheck CheckTypedName(std::string_view text) {
    NameCheck check;
    for (char c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 35 || c > 122) {
            check.refusal = EditRefusal::NameCharacters;
            continue;
        }
        check.name.push_back(c);
    }
    if (!check.refusal && check.name.size() > kNameEntryLength) {
        check.refusal = EditRefusal::NameTooLong;
    }
    return check;
}

std::string BandCheckedFrequency(const BandState& band, std::string_view text) {
    // At most one point in the whole text, and a number at its start.
    if (std::count(text.begin(), text.end(), '.') >= 2) return {};
    const DecimalNumber typed = DecimalNumber::Leading(text);
    if (!typed.hasDigits()) return {};
    // The number as typed must lie in the band, so 174.996 is refused although its raster
    // point 174.995 would not be.
    if (!band.contains(typed)) return {};
    // Rounded to 10 Hz, half up (145.123455 gives 145.12346), so the raster works on the
    // digits the user meant; moved down to the raster; that frequency must lie in the band too.
    const std::int64_t stored = OnRaster(typed.roundedUnits(5));
    if (!band.containsTenHz(stored)) return {};
    return Frequency::FromTenHz(static_cast<std::uint32_t>(stored)).text();
}

FieldText ParseFieldText(const ChannelField& field, const BandState& band, std::string_view text,
                         const std::vector<TextWords>& languages) {
    FieldText out;
    switch (field.kind) {
        case FieldKind::Frequency:
            if (text.empty()) break;
            out.frequency = Frequency::FromText(BandCheckedFrequency(band, text));
            if (!out.frequency) out.refusal = EditRefusal::OutOfBand;
            break;
        case FieldKind::Name: {
            NameCheck check = CheckTypedName(text);
            out.name = std::move(check.name);
            out.refusal = check.refusal;
            break;
        }
        case FieldKind::Tone:
        case FieldKind::List:
            const auto word = [&field](int i) { return EntryWord(field, i); };
            if (const auto index = EntryWithWords(EntryCount(field), word, text, languages)) {
                out.index = *index;
            } else {
                out.refusal = EditRefusal::NoSuchEntry;
            }
            break;
    }
    return out;
}

}  // namespace talvo
