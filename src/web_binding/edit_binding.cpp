// The channel grid's edits as the page makes them: the cell editors' checks and commits, the
// operations on whole channels, sort and find, each through the rules the desktop grid uses.
// Every change is one step of the document's history.
#include <emscripten/bind.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/channel_paste.h"
#include "exchange/channel_text_form.h"
#include "exchange/utf8_text.h"
#include "radio/fields/channel_fields.h"
#include "rules/channel_clip_form.h"
#include "rules/channel_filter.h"
#include "rules/channel_ops.h"
#include "rules/channel_selection.h"
#include "rules/channel_sort.h"
#include "rules/channel_table.h"
#include "rules/column_edit.h"
#include "rules/column_edit_report.h"
#include "rules/fill_texts.h"
#include "rules/printout.h"
#include "web_binding/catalogue_words.h"
#include "web_binding/js_values.h"
#include "web_binding/web_document.h"

namespace talvo::web {
namespace {

using emscripten::val;

// The page's own words (translations/*.ts, context WebPage), for the commands the desktop
// does not have.
const Text kPageTexts[] = {
    TALVO_TEXT("WebPage", "Save As"),
    TALVO_TEXT("WebPage", "Messages"),
};

// Name characters as the grid shows them (U+0000..U+00FF) back into the bytes the radio
// stores; a character past U+00FF (the editor's filter never lets one in) has no byte.
std::string NameBytes(std::string_view text) {
    std::string bytes;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char c = NextUtf8(text, at);
        at += c.size;
        if (c.valid && c.code <= 0xFF) bytes += static_cast<char>(c.code);
    }
    return bytes;
}

std::u32string Utf32(std::string_view text) {
    std::u32string out;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char c = NextUtf8(text, at);
        at += c.size;
        if (c.valid) out += c.code;
    }
    return out;
}

std::string Utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

ChannelList Channels(const val& array) {
    return NormalizedChannels(emscripten::vecFromJSArray<int>(array));
}

val ChannelArray(const ChannelList& channels) {
    val array = val::array();
    for (int ch : channels) array.call<void>("push", ch);
    return array;
}

// Makes `after` the document's channels as one step, when it differs from them.
bool CommitChannels(Document& doc, const ChannelStores& after) {
    if (after == doc.state().channels) return false;
    doc.remember();
    doc.state().channels = after;
    return true;
}

std::string Lines(const std::vector<Message>& lines, const std::string& lang) {
    std::string text;
    for (const Message& line : lines) {
        if (!text.empty()) text += '\n';
        text += Say(line, lang);
    }
    return text;
}

// The cell editors.

int EditorColumnOf(const Document& doc, int channel, int column) {
    return EditorColumn(doc.state().channels, channel, column);
}

// What one edit of a frequency (or name) editor leaves: { text, cursor }.
val FilterTyped(bool name, const std::string& before, const std::string& after) {
    const FilteredEntry out =
        FilterEntry(name ? EntryKind::Name : EntryKind::Frequency, Utf32(before), Utf32(after));
    val result = val::object();
    result.set("text", Utf8(out.text));
    result.set("cursor", static_cast<int>(out.cursor));
    return result;
}

// Whether the grid opens an editor on (channel, column): a free channel only on its receive
// frequency.
bool Editable(const Document& doc, int channel, int column) {
    return column != 0 && EditorColumn(doc.state().channels, channel, column) == column;
}

// Commits the frequency editor's text: empty, or the refusal the desktop shows.
std::string CommitFrequencyText(Document& doc, int channel, int column, const std::string& text,
                                const std::string& lang) {
    if (!Editable(doc, channel, column)) return {};
    ChannelStores after = doc.state().channels;
    if (CommitFrequency(after, doc.state().band, channel, column, text) ==
        FrequencyCommit::Refused) {
        return Say(TALVO_TEXT("ChannelTableWindow", "Beyond the scope of frequency band"), lang);
    }
    CommitChannels(doc, after);
    return {};
}

void CommitNameText(Document& doc, int channel, const std::string& text) {
    if (!Editable(doc, channel, kColName)) return;
    ChannelStores after = doc.state().channels;
    StoreName(after, channel, NameBytes(text));
    CommitChannels(doc, after);
}

// The entries of the drop-down list of column 3..9, in `lang`.
val ListEntries(int column, const std::string& lang) {
    std::vector<std::string> words;
    if (const ChannelField* field = FieldOfColumn(column)) {
        for (int i = 0; i < EntryCount(*field); ++i)
            words.push_back(Say(EntryWord(*field, i), lang));
    }
    return Strings(words);
}

int OptionIndex(const Document& doc, int channel, int column) {
    if (channel < 1 || channel > kChannelCount || column < kColQtDqtDec || column > kColTxProhibit)
        return -1;
    return doc.state().channels.at(channel).optionOf(column);
}

void CommitListPick(Document& doc, int channel, int column, int index) {
    const ChannelField* field = FieldOfColumn(column);
    if (!field || index < 0 || index >= EntryCount(*field) || !Editable(doc, channel, column))
        return;
    ChannelStores after = doc.state().channels;
    CommitOption(after, channel, column, index);
    CommitChannels(doc, after);
}

// Whole channels.

// The clipboard's text form of `channels`: rows under the CSV header, tab-separated.
std::string ChannelsText(const Document& doc, const val& channels) {
    return ChannelsAsText(doc.state().channels, doc.state().band, Channels(channels));
}

// The program's own form of `channels`, each placed relative to the first by the rows `shown`
// between them (so a paste under the same find puts them into rows next to each other).
val CopyOwnForm(const Document& doc, const val& channels, const val& shown) {
    const ChannelList chosen = Channels(channels);
    CopiedChannels copied = CopyChannels(doc.state().channels, chosen);
    const ChannelList rows = Channels(shown);
    auto row = [&rows](int ch) {
        return static_cast<int>(std::lower_bound(rows.begin(), rows.end(), ch) - rows.begin());
    };
    if (!chosen.empty()) {
        for (PasteItem& item : copied.items) {
            item.offset = row(chosen.front() + item.offset) - row(chosen.front());
        }
    }
    const std::string bytes = EncodeCopiedChannels(copied);
    return Uint8Array(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

bool ClearChannelsOf(Document& doc, const val& channels) {
    ChannelStores after = doc.state().channels;
    ClearChannels(after, Channels(channels));
    return CommitChannels(doc, after);
}

// Pastes at `at`: the own form when `own` is a Uint8Array of it, else `text` when it is a
// string. { pasted: [...], message: "..." }.
val PasteAt(Document& doc, int at, const val& shown, const val& own, const val& text,
            const std::string& lang) {
    std::optional<CopiedChannels> copied;
    if (own.instanceof (val::global("Uint8Array"))) {
        const std::vector<std::uint8_t> bytes = BytesOf(own);
        copied = DecodeCopiedChannels(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    std::string words;
    std::optional<std::string_view> textForm;
    if (!copied && text.isString()) {
        words = text.as<std::string>();
        textForm = words;
    }
    GridPaste paste = PasteIntoGrid(doc.state().channels, doc.state().band, at, Channels(shown),
                                    copied, textForm);
    if (!paste.pasted.empty()) CommitChannels(doc, paste.after);
    val result = val::object();
    result.set("pasted", ChannelArray(paste.pasted));
    result.set("message", Lines(paste.lines, lang));
    return result;
}

std::string InsertAt(Document& doc, int at, const val& shown, const std::string& lang) {
    ChannelStores after = doc.state().channels;
    if (const auto refusal = InsertIntoGrid(after, at, Channels(shown))) return Say(*refusal, lang);
    CommitChannels(doc, after);
    return {};
}

bool DeleteMoveUp(Document& doc, const val& channels, const val& shown) {
    ChannelStores after = doc.state().channels;
    DeleteAndMoveUp(after, Channels(channels), Channels(shown));
    return CommitChannels(doc, after);
}

// Moves `channels` one shown row up (or down): their new places, or null when refused.
val MoveChannels(Document& doc, const val& channels, bool up, const val& shown) {
    ChannelStores after = doc.state().channels;
    ChannelList moved = Channels(channels);
    const ChannelList rows = Channels(shown);
    if (!(up ? MoveChannelsUp(after, moved, rows) : MoveChannelsDown(after, moved, rows)))
        return val::null();
    CommitChannels(doc, after);
    return ChannelArray(moved);
}

bool SortBy(Document& doc, const val& chosen, const val& shown, int column, bool descending) {
    ChannelStores after = doc.state().channels;
    if (!SortChannels(after, SortPlaces(Channels(chosen), Channels(shown)), column,
                      descending ? SortOrder::Descending : SortOrder::Ascending))
        return false;
    return CommitChannels(doc, after);
}

val FindChannels(const Document& doc, const std::string& text, const std::string& lang) {
    return ChannelArray(ChannelsShowingText(doc.state().channels, text, WordsIn(lang)));
}

// Set Column of Chosen Channels: `text` (frequencies, names) or `index` (lists) into column
// `column` of `channels`, as one step; what the user is told (empty when every channel took it).
std::string SetColumn(Document& doc, const val& channels, int column, const std::string& text,
                      int index, const std::string& lang) {
    if (!FieldOfColumn(column)) return {};
    ColumnValue value;
    value.column = column;
    value.text = column == kColName ? NameBytes(text) : text;
    value.index = index;
    ChannelStores after = doc.state().channels;
    const ColumnEditResult result =
        ApplyColumnValue(after, doc.state().band, Channels(channels), value);
    CommitChannels(doc, after);
    return Lines(ColumnEditReport(value, result), lang);
}

// A fill series from the page's fields: { fillRx, rxStart, rxStep, tx (0 keep, 1 same as
// receive, 2 plus offset), txOffset, fillNames, pattern, firstNumber }.
FillSeries SeriesOf(const val& s) {
    FillSeries series;
    series.fillRx = s["fillRx"].as<bool>();
    series.rxStartMhz = s["rxStart"].as<std::string>();
    series.rxStepKhz = s["rxStep"].as<std::string>();
    const int tx = s["tx"].as<int>();
    series.tx = tx == 2 ? TxFill::Offset : tx == 1 ? TxFill::SameAsRx : TxFill::Keep;
    series.txOffsetMhz = s["txOffset"].as<std::string>();
    series.fillNames = s["fillNames"].as<bool>();
    series.namePattern = s["pattern"].as<std::string>();
    series.firstNumber = s["firstNumber"].as<int>();
    return series;
}

// The preview of a fill: { problem, taking, rows: [[channel, rx, tx, name, result], ...] }.
val FillPreview(const Document& doc, const val& channels, const val& series,
                const std::string& lang) {
    const FillPlan plan =
        PlanFill(doc.state().channels, doc.state().band, Channels(channels), SeriesOf(series));
    val rows = val::array();
    int taking = 0;
    for (const FillRow& row : plan.rows) {
        if (!row.refusal) ++taking;
        rows.call<void>("push", Strings({std::to_string(row.channel), row.rx, row.tx,
                                         BytesAsUtf8(row.name), Say(FillRowResult(row), lang)}));
    }
    val result = val::object();
    result.set("problem", Say(FillProblemText(plan.problem), lang));
    result.set("taking", plan.problem == FillProblem::None ? taking : 0);
    result.set("rows", rows);
    return result;
}

bool Fill(Document& doc, const val& channels, const val& series) {
    const FillPlan plan =
        PlanFill(doc.state().channels, doc.state().band, Channels(channels), SeriesOf(series));
    if (plan.problem != FillProblem::None) return false;
    ChannelStores after = doc.state().channels;
    ApplyFill(after, doc.state().band, plan);
    return CommitChannels(doc, after);
}

// The words of a counted text (TALVO_PLURAL: `one` is its English for a count of one) for `n`.
std::string CountedWords(const std::string& context, const std::string& source,
                         const std::string& one, int n, const std::string& lang) {
    return WordsIn(lang)(Text{context.c_str(), source.c_str(), one.c_str(), true, n});
}

val SelectionChannels(const ChannelSelection& selection) {
    return ChannelArray(selection.channels());
}

void SelectionSet(ChannelSelection& selection, const val& channels) {
    selection.set(Channels(channels));
}

// The page's own words, for a check that each is catalogued.
val PageTexts() {
    std::vector<std::string> sources;
    for (const Text& text : kPageTexts) sources.emplace_back(text.source);
    return Strings(sources);
}

}  // namespace

EMSCRIPTEN_BINDINGS(talvo_edit) {
    using namespace emscripten;
    function("pageTexts", &PageTexts);
    function("editorColumn", &EditorColumnOf);
    function("filterEntry", &FilterTyped);
    function("commitFrequency", &CommitFrequencyText);
    function("commitName", &CommitNameText);
    function("listEntries", &ListEntries);
    function("optionIndex", &OptionIndex);
    function("commitOption", &CommitListPick);
    function("channelsText", &ChannelsText);
    function("copyChannels", &CopyOwnForm);
    function("clearChannels", &ClearChannelsOf);
    function("pasteChannels", &PasteAt);
    function("insertChannel", &InsertAt);
    function("deleteMoveUp", &DeleteMoveUp);
    function("moveChannels", &MoveChannels);
    function("sortChannels", &SortBy);
    function("findChannels", &FindChannels);
    function("setColumn", &SetColumn);
    function("countedWords", &CountedWords);
    function("fillPreview", &FillPreview);
    function("fill", &Fill);
    class_<ChannelSelection>("ChannelSelection")
        .constructor<>()
        .function("press", &ChannelSelection::press)
        .function("extend", &ChannelSelection::extend)
        .function("clear", &ChannelSelection::clear)
        .function("contains", &ChannelSelection::contains)
        .function("empty", &ChannelSelection::empty)
        .function("channels", &SelectionChannels)
        .function("set", &SelectionSet);
}

}  // namespace talvo::web
