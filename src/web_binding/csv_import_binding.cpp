// The channel CSV import as the page offers it: a preview of what each row does (the same
// report the desktop's preview gives), then the import as one step of the history.
#include <emscripten/bind.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/channel_import.h"
#include "exchange/import_summary.h"
#include "radio/state/state_parts.h"
#include "web_binding/catalogue_words.h"
#include "web_binding/js_values.h"
#include "web_binding/web_document.h"

namespace talvo::web {
namespace {

using emscripten::val;

// A channel list is a few kilobytes; anything far larger is no channel list.
constexpr std::size_t kMaxCsvBytes = 16u << 20;

ChannelTable ReadTable(const val& bytes) {
    ChannelTable table;
    const auto size = bytes["length"].as<std::size_t>();
    if (size > kMaxCsvBytes) {
        table.fileNotes.push_back({NoteKind::FileTooLarge, {std::to_string(kMaxCsvBytes >> 20)}});
        return table;
    }
    const std::vector<std::uint8_t> data = BytesOf(bytes);
    return ReadChannelTable(
        std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

// Rows by Location (`firstFree` 0) or in file order into the free channels from `firstFree`.
ImportPlan Plan(const Document& doc, const ChannelTable& table, int firstFree) {
    ImportRequest request;
    if (firstFree >= 1 && firstFree <= kChannelCount) {
        request.placement = Placement::FreeFrom;
        request.firstChannel = firstFree;
    }
    return PlanImport(table, doc.state().channels, doc.state().band, request);
}

// { readable, lines: [...], rows: [...], taken }: the summary (or why the file holds no
// channel list) and one report line per row that is not imported as it is.
val Preview(const Document& doc, const val& bytes, const std::string& fileName, int firstFree,
            const std::string& lang) {
    const ChannelTable table = ReadTable(bytes);
    val result = val::object();
    std::vector<std::string> lines, rows;
    int taken = 0;
    if (!table.readable) {
        lines.push_back(Say(TALVO_TEXT("MainExchange", "This file holds no channel list:"), lang) +
                        ' ' + fileName);
        for (const ExchangeNote& note : table.fileNotes) lines.push_back(Say(NoteText(note), lang));
    } else {
        const ImportPlan plan = Plan(doc, table, firstFree);
        for (const Message& line : ImportSummary(plan, fileName)) lines.push_back(Say(line, lang));
        for (const ImportRow& row : plan.rows) {
            if (row.fate != RowFate::Imported) rows.push_back(Say(ImportRowReport(row), lang));
        }
        taken = plan.taken();
    }
    result.set("readable", table.readable);
    result.set("lines", Strings(lines));
    result.set("rows", Strings(rows));
    result.set("taken", taken);
    return result;
}

// Stores the rows the preview takes, as one step; the number of channels filled.
int Import(Document& doc, const val& bytes, int firstFree) {
    const ChannelTable table = ReadTable(bytes);
    if (!table.readable) return 0;
    const ImportPlan plan = Plan(doc, table, firstFree);
    if (plan.taken() == 0) return 0;
    ChannelStores after = doc.state().channels;
    for (const ImportRow& row : plan.rows) {
        if (row.channel > 0) PutChannel(after, row.channel, TakeChannel(plan.result, row.channel));
    }
    if (!(after == doc.state().channels)) {
        doc.remember();
        doc.state().channels = after;
    }
    return plan.taken();
}

}  // namespace

EMSCRIPTEN_BINDINGS(talvo_csv_import) {
    emscripten::function("csvImportPreview", &Preview);
    emscripten::function("csvImport", &Import);
}

}  // namespace talvo::web
