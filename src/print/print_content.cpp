#include "print/print_content.h"

#include <array>

#include "print/cell_text.h"
#include "model/channel_lists.h"
#include "model/options.h"
#include "model/power.h"

namespace talvo {
namespace {

struct PrintTexts {
    Bilingual titleMaker{"TALVO对讲机", "TALVO Interphone "};
    Bilingual titleWhat{"编程数据打印", "programming data are printed"};
    Bilingual functionSet{"功能设置", "Function Set"};
    Bilingual wholeFrequency{"全频频率", "The whole frequency frequently"};
    Bilingual vox{"VOX(声控发射)", "VOX(Voice control launches)"};
    Bilingual debug{"调试信息", "Debug information"};
    Bilingual channelData{"信道数据", "Channel data"};
    Bilingual whether{"是否", "Whether"};
    Bilingual yes{"是", "Yes"};
    Bilingual no{"否", "No"};
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
constexpr Field Text(TextId id) {
    return {false, ListId::Count, id};
}

constexpr std::array<Field, 13> kFunctionRows = {
    Text(TextId::BChannelNumber), Text(TextId::AChannelNumber),
    List(ListId::ADisplayMode),   List(ListId::AStepFrequency),
    List(ListId::SquelchLevel),   List(ListId::Beep),
    List(ListId::BatterySave),    List(ListId::KeyLock),
    List(ListId::DualStandby),    List(ListId::ChannelNameEditable),
    List(ListId::TimeOutTimer),   Text(TextId::DisplayCharacter),
    List(ListId::ScanMode),
};

constexpr std::array<Field, 11> kVfoRows = {
    Text(TextId::AVfoFrequency),       Text(TextId::AVfoOffsetData),
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

void FieldRow(PrintDocument& doc, const ProgramState& state, const Field& f,
              LanguageFlagValue lang) {
    if (f.isList) {
        Row(doc, Utf8(Info(f.list).caption.pick(lang)),
            Utf8(state.options.displayed(f.list, lang)));
    } else {
        // Text boxes hold one byte per character (a display text read from the radio).
        const std::string& value = state.options[f.text];
        Row(doc, Utf8(Info(f.text).caption.pick(lang)),
            QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
    }
}

}  // namespace

PrintGrid ChannelGridForPrint(const ProgramState& state, LanguageFlagValue lang) {
    PrintGrid grid;
    for (const Bilingual& h : ChannelGridHeaders()) grid.header << Utf8(h.pick(lang));
    grid.columnTwips.assign(ChannelGridColumnTwips().begin(), ChannelGridColumnTwips().end());
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        QStringList row{QString::number(ch)};
        bool shows = false;
        for (int col = 1; col < kGridColumns; ++col) {
            const std::string& text = state.channels.cell(ch, col);
            shows = shows || !text.empty();
            row << CellToDisplay(col, text);
        }
        if (shows) grid.rows.push_back(row);
    }
    return grid;
}

int PrintContent(const ProgramState& state, PrintDocument& doc, QPagedPaintDevice* device) {
    const LanguageFlagValue lang = state.LanguageFlag;
    const PrintTexts& t = Texts();
    auto pick = [lang](const Bilingual& b) { return Utf8(b.pick(lang)); };

    doc.BeginDocument(device);
    doc.NewPage();
    doc.Title(pick(t.titleMaker) + pick(t.titleWhat));
    doc.LineFeed();
    doc.Heading(pick(t.functionSet));
    doc.LineFeed();
    for (const Field& f : kFunctionRows) FieldRow(doc, state, f, lang);

    doc.NewPage();
    doc.LineFeed();
    doc.Heading(pick(t.wholeFrequency));
    doc.LineFeed();
    for (const Field& f : kVfoRows) FieldRow(doc, state, f, lang);

    doc.LineFeed();
    doc.Heading(pick(t.vox));
    doc.LineFeed();
    for (ListId id : kVoxRows) FieldRow(doc, state, List(id), lang);
    // Printed although the window does not show the box.
    Row(doc, pick(t.whether) + pick(Info(CheckId::AllowToCancelOperating).caption),
        pick(state.options[CheckId::AllowToCancelOperating] ? t.yes : t.no));

    doc.LineFeed();
    doc.Heading(pick(t.debug));
    doc.LineFeed();
    for (int slider = 0; slider < 3; ++slider) {
        Row(doc, pick(PowerFrameCaption(slider)),
            QString::number(state.powerGrades[static_cast<std::size_t>(slider)]));
    }

    doc.NewPage();
    doc.Title(pick(t.channelData));
    doc.GridTable(ChannelGridForPrint(state, lang), pick(t.channelData));
    doc.LineFeed();
    return doc.EndDocument();
}

}  // namespace talvo
