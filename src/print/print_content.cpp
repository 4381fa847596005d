#include "print/print_content.h"

#include <array>

#include "lang/catalogue.h"
#include "print/cell_text.h"
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

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

void Row(PrintDocument& doc, const QString& caption, const QString& value) {
    const QString border = QString::fromLatin1(kPrintCellBorder);
    doc.Cell(caption, kPrintCellTwips, kPrintCellAlignment, border);
    doc.Cell(value, kPrintCellTwips, kPrintCellAlignment, border);
    doc.EndRow();
}

void FieldRow(PrintDocument& doc, const ProgramState& state, const Field& f, Language lang) {
    if (f.isList) {
        Row(doc, Utf8(RenderText(Info(f.list).caption, lang)),
            Tr(state.options.displayed(f.list), lang));
    } else {
        // Text boxes hold one byte per character (a display text read from the radio).
        const std::string value = SettingText(state.options, f.text);
        Row(doc, Utf8(RenderText(Info(f.text).caption, lang)),
            QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
    }
}

}  // namespace

PrintGrid ChannelGridForPrint(const ProgramState& state, Language lang) {
    PrintGrid grid;
    for (int col = 0; col < kGridColumns; ++col) {
        grid.header << Utf8(RenderText(ColumnHeader(col), lang));
        grid.columnTwips.push_back(ColumnTwips(col));
    }
    const TextWords words = WordsIn(lang);
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        QStringList row{QString::number(ch)};
        bool shows = false;
        for (int col = 1; col < kGridColumns; ++col) {
            const std::string text = ChannelCellText(state.channels.at(ch), col, words);
            shows = shows || !text.empty();
            row << CellToDisplay(col, text);
        }
        if (shows) grid.rows.push_back(row);
    }
    return grid;
}

int PrintContent(const ProgramState& state, PrintDocument& doc, QPagedPaintDevice* device) {
    const Language lang = state.language;
    const PrintTexts& t = Texts();
    auto tr = [lang](const Text& b) { return Utf8(RenderText(b, lang)); };

    doc.BeginDocument(device);
    doc.NewPage();
    doc.Title(tr(t.titleMaker) + tr(t.titleWhat));
    doc.LineFeed();
    doc.Heading(tr(t.functionSet));
    doc.LineFeed();
    for (const Field& f : kFunctionRows) FieldRow(doc, state, f, lang);

    doc.NewPage();
    doc.LineFeed();
    doc.Heading(tr(t.wholeFrequency));
    doc.LineFeed();
    for (const Field& f : kVfoRows) FieldRow(doc, state, f, lang);

    doc.LineFeed();
    doc.Heading(tr(t.vox));
    doc.LineFeed();
    for (ListId id : kVoxRows) FieldRow(doc, state, List(id), lang);
    // Printed although the window does not show the box.
    Row(doc, tr(t.whether) + tr(Info(CheckId::AllowToCancelOperating).caption),
        tr(state.options[CheckId::AllowToCancelOperating] ? t.yes : t.no));

    doc.LineFeed();
    doc.Heading(tr(t.debug));
    doc.LineFeed();
    for (int slider = 0; slider < 3; ++slider) {
        Row(doc, tr(PowerFrameCaption(slider)),
            QString::number(state.powerGrades[static_cast<std::size_t>(slider)]));
    }

    doc.NewPage();
    doc.Title(tr(t.channelData));
    doc.GridTable(ChannelGridForPrint(state, lang), tr(t.channelData));
    doc.LineFeed();
    return doc.EndDocument();
}

}  // namespace talvo
