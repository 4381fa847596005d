#include "rules/printout.h"

#include <array>

#include "radio/fields/channel_fields.h"
#include "radio/state/channel_lists.h"
#include "radio/state/options.h"
#include "radio/state/power.h"

namespace talvo {
namespace {

struct PrintTexts {
    Text titleMaker{TALVO_TEXT("PrintContent", "TALVO Interphone ")};
    Text titleWhat{TALVO_TEXT("PrintContent", "programming data are printed")};
    Text functionSet{TALVO_TEXT("PrintContent", "Function Set")};
    Text wholeFrequency{TALVO_TEXT("PrintContent", "The whole frequency frequently")};
    Text vox{TALVO_TEXT("PrintContent", "VOX(Voice control launches)")};
    Text debug{TALVO_TEXT("PrintContent", "Debug information")};
    Text channelData{TALVO_TEXT("PrintContent", "Channel data")};
    Text whether{TALVO_TEXT("PrintContent", "Whether")};
    Text yes{TALVO_TEXT("PrintContent", "Yes")};
    Text no{TALVO_TEXT("PrintContent", "No")};
};
const PrintTexts& Texts() {
    static const PrintTexts texts;
    return texts;
}

// A field of the optional-features window: a list or a text box.
struct Field {
    bool isList;
    ListId list;
    TextId text;
};
constexpr Field List(ListId id) {
    return {true, id, TextId::Count};
}
constexpr Field TextField(TextId id) {
    return {false, ListId::Count, id};
}

constexpr std::array<Field, 13> kFunctionRows = {
    TextField(TextId::BChannelNumber),
    TextField(TextId::AChannelNumber),
    List(ListId::ADisplayMode),
    List(ListId::AStepFrequency),
    List(ListId::SquelchLevel),
    List(ListId::Beep),
    List(ListId::BatterySave),
    List(ListId::KeyLock),
    List(ListId::DualStandby),
    List(ListId::ChannelNameEditable),
    List(ListId::TimeOutTimer),
    TextField(TextId::DisplayCharacter),
    List(ListId::ScanMode),
};

constexpr std::array<Field, 11> kVfoRows = {
    TextField(TextId::AVfoFrequency),  TextField(TextId::AVfoOffsetData),
    List(ListId::AVfoQtDqtDec),        List(ListId::AVfoQtDqtEnc),
    List(ListId::AVfoPower),           List(ListId::AVfoBusyChannelLock),
    List(ListId::AVfoAddScan),         List(ListId::AVfoWideNarrow),
    List(ListId::AVfoTxProhibit),      List(ListId::AVfoCompanding),
    List(ListId::AVfoOffsetFrequency),
};

constexpr std::array<ListId, 2> kVoxRows = {ListId::VoxGainLevel, ListId::VoxDelayTime};

PrintoutElement Row(std::string caption, std::string value) {
    return {PrintoutKind::Row, std::move(caption), std::move(value)};
}

PrintoutElement FieldRow(const ProgramState& state, const Field& f, const TextWords& words) {
    if (f.isList) {
        return Row(words(Info(f.list).caption), Compose(state.options.displayed(f.list), words));
    }
    // Text boxes hold one byte per character (a display text read from the radio).
    return Row(words(Info(f.text).caption), BytesAsUtf8(SettingText(state.options, f.text)));
}

}  // namespace

std::string BytesAsUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

PrintoutGrid ChannelGridPrintout(const ProgramState& state, const TextWords& words) {
    PrintoutGrid grid;
    for (int col = 0; col < kGridColumns; ++col) {
        grid.header.push_back(words(ColumnHeader(col)));
        grid.columnTwips.push_back(ColumnTwips(col));
    }
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        std::vector<std::string> row{std::to_string(ch)};
        bool shows = false;
        for (int col = 1; col < kGridColumns; ++col) {
            const std::string text = ChannelCellText(state.channels.at(ch), col, words);
            shows = shows || !text.empty();
            row.push_back(col == kColName ? BytesAsUtf8(text) : text);
        }
        if (shows) grid.rows.push_back(std::move(row));
    }
    return grid;
}

std::vector<PrintoutElement> PrintoutElements(const ProgramState& state, const TextWords& words) {
    const PrintTexts& t = Texts();
    using K = PrintoutKind;
    std::vector<PrintoutElement> out;
    const auto add = [&out](K kind, std::string text = {}) { out.push_back({kind, text, {}}); };

    add(K::NewPage);
    add(K::Title, words(t.titleMaker) + words(t.titleWhat));
    add(K::LineFeed);
    add(K::Heading, words(t.functionSet));
    add(K::LineFeed);
    for (const Field& f : kFunctionRows) out.push_back(FieldRow(state, f, words));

    add(K::NewPage);
    add(K::LineFeed);
    add(K::Heading, words(t.wholeFrequency));
    add(K::LineFeed);
    for (const Field& f : kVfoRows) out.push_back(FieldRow(state, f, words));

    add(K::LineFeed);
    add(K::Heading, words(t.vox));
    add(K::LineFeed);
    for (ListId id : kVoxRows) out.push_back(FieldRow(state, List(id), words));
    // Printed although the window does not show the box.
    out.push_back(Row(words(t.whether) + words(Info(CheckId::AllowToCancelOperating).caption),
                      words(state.options[CheckId::AllowToCancelOperating] ? t.yes : t.no)));

    add(K::LineFeed);
    add(K::Heading, words(t.debug));
    add(K::LineFeed);
    for (int slider = 0; slider < 3; ++slider) {
        out.push_back(Row(words(PowerFrameCaption(slider)),
                          std::to_string(state.powerGrades[static_cast<std::size_t>(slider)])));
    }

    add(K::NewPage);
    add(K::Title, words(t.channelData));
    add(K::Grid, words(t.channelData));
    add(K::LineFeed);
    return out;
}

}  // namespace talvo
