#include "exchange/channel_import.h"

#include <array>

#include "exchange/decimal_text.h"

namespace talvo {
namespace {

// Header cells up to the last one with a name: a trailing separator names nothing.
std::size_t NamedWidth(const std::vector<std::string>& header) {
    std::size_t width = header.size();
    while (width > 0 && TrimBlanks(header[width - 1]).empty()) --width;
    return width;
}

bool Blank(const CsvRecord& record) {
    for (const auto& cell : record.cells) {
        if (!TrimBlanks(cell).empty()) return false;
    }
    return true;
}

}  // namespace

ChannelTable ReadChannelTable(std::string_view text, std::optional<char> separator) {
    ChannelTable table;
    CsvText csv = SplitDelimited(text, separator);
    table.separator = csv.separator;
    table.commaPoint = csv.separator == ';';
    std::size_t first = 0;
    while (first < csv.records.size() && Blank(csv.records[first])) ++first;
    if (first == csv.records.size()) {
        table.fileNotes.push_back({NoteKind::NoHeader, {}});
        return table;
    }
    table.header = MapCsvHeader(csv.records[first].cells);
    for (const auto& name : table.header.unknown) {
        table.fileNotes.push_back({NoteKind::UnknownHeader, {name}});
    }
    for (const auto& name : table.header.repeated) {
        table.fileNotes.push_back({NoteKind::RepeatedHeader, {name}});
    }
    for (CsvColumn required : {CsvColumn::Location, CsvColumn::Frequency}) {
        if (!table.header.has(required)) {
            table.fileNotes.push_back(
                {NoteKind::MissingColumn, {std::string(CsvHeaderNames()[ColumnSlot(required)])}});
        }
    }
    if (!table.header.has(CsvColumn::Location) || !table.header.has(CsvColumn::Frequency)) {
        return table;
    }
    table.header.width = NamedWidth(csv.records[first].cells);
    for (std::size_t r = first + 1; r < csv.records.size(); ++r) {
        if (!Blank(csv.records[r])) table.rows.push_back(std::move(csv.records[r]));
    }
    table.readable = true;
    return table;
}

ImportPlan PlanImport(const ChannelTable& table, const ChannelStores& target, const BandState& band,
                      const ImportRequest& request) {
    ImportPlan plan;
    plan.readable = table.readable;
    plan.fileNotes = table.fileNotes;
    plan.result = target;
    if (!table.readable) return plan;

    RowReadSettings settings;
    settings.band = band;
    settings.commaPoint = table.commaPoint;
    settings.needLocation = request.placement == Placement::ByLocation;
    if (settings.needLocation) settings.into = &target;

    std::array<int, kChannelCount + 1> takenBy{};  // line that took each channel
    const int first = std::max(1, request.firstChannel);
    int cursor = first;
    plan.rows.reserve(table.rows.size());
    for (const CsvRecord& record : table.rows) {
        ImportRow row;
        row.line = record.line;
        const std::size_t cells = record.cells.size();
        bool extraFilled = false;
        for (std::size_t k = table.header.width; k < cells; ++k) {
            extraFilled = extraFilled || !TrimBlanks(record.cells[k]).empty();
        }
        RowReading reading;
        if (cells < table.header.width) {
            reading.fate = RowFate::Refused;
            reading.notes = {
                {NoteKind::ShortRow, {std::to_string(cells), std::to_string(table.header.width)}}};
        } else if (extraFilled) {
            reading.fate = RowFate::Refused;
            reading.notes = {
                {NoteKind::LongRow, {std::to_string(cells), std::to_string(table.header.width)}}};
        } else {
            ChannelRowRead read;
            for (std::size_t c = 0; c < kCsvColumnCount; ++c) {
                const int at = table.header.position[c];
                if (at >= 0) read[c] = record.cells[static_cast<std::size_t>(at)];
            }
            reading = ChannelFromRow(read, settings);
        }
        row.fate = reading.fate;
        row.read = reading.channel;
        row.notes = std::move(reading.notes);

        if (row.fate == RowFate::Imported || row.fate == RowFate::Adjusted) {
            int channel = 0;
            ExchangeNote refusal{NoteKind::NoFreeChannel, {std::to_string(first)}};
            switch (request.placement) {
                case Placement::ByLocation:
                    channel = reading.location;
                    if (takenBy[static_cast<std::size_t>(channel)] != 0) {
                        refusal = {NoteKind::LocationRepeated,
                                   {std::to_string(channel),
                                    std::to_string(takenBy[static_cast<std::size_t>(channel)])}};
                        channel = 0;
                    }
                    break;
                case Placement::FreeFrom:
                    while (cursor <= kChannelCount &&
                           (!target.isFree(cursor) || takenBy[static_cast<std::size_t>(cursor)])) {
                        ++cursor;
                    }
                    if (cursor <= kChannelCount) channel = cursor++;
                    break;
                case Placement::ConsecutiveFrom:
                    if (cursor <= kChannelCount) {
                        channel = cursor++;
                    } else {
                        refusal = {NoteKind::NoChannelLeft, {std::to_string(first)}};
                    }
                    break;
            }
            if (channel == 0) {
                row.fate = RowFate::Refused;
                row.notes.assign(1, refusal);
            } else {
                row.channel = channel;
                takenBy[static_cast<std::size_t>(channel)] = row.line;
                Channel before = target.at(channel);
                ForgetShownWords(before);
                row.unchanged = before == row.read;
                row.overwrites = !target.isFree(channel) && !row.unchanged;
                // An unchanged channel keeps its stores as they are, grid texts included.
                if (!row.unchanged) plan.result.at(channel) = row.read;
            }
        }
        switch (row.fate) {
            case RowFate::Imported:
                ++plan.imported;
                break;
            case RowFate::Adjusted:
                ++plan.adjusted;
                break;
            case RowFate::Refused:
                ++plan.refused;
                break;
            case RowFate::Skipped:
                ++plan.skipped;
                break;
        }
        plan.rows.push_back(std::move(row));
    }
    return plan;
}

Message ImportRowReport(const ImportRow& row) {
    Text fate = TALVO_TEXT("ChannelImport", "imported");
    switch (row.fate) {
        case RowFate::Imported:
            break;
        case RowFate::Adjusted:
            fate = TALVO_TEXT("ChannelImport", "adjusted");
            break;
        case RowFate::Refused:
            fate = TALVO_TEXT("ChannelImport", "refused");
            break;
        case RowFate::Skipped:
            fate = TALVO_TEXT("ChannelImport", "skipped");
            break;
    }
    Message out(TALVO_TEXT("ChannelImport", "line %1: %2"),
                {Message::Literal(std::to_string(row.line)), fate});
    if (row.channel > 0) {
        out = Message::Join(
            "%1%2", {std::move(out), Message(TALVO_TEXT("ChannelImport", " into channel %1"),
                                             {Message::Literal(std::to_string(row.channel))})});
    }
    for (std::size_t k = 0; k < row.notes.size(); ++k) {
        const Text gap =
            k == 0 ? TALVO_TEXT("ChannelImport", ": ") : TALVO_TEXT("ChannelImport", "; ");
        out = Message::Join("%1%2%3", {std::move(out), gap, NoteText(row.notes[k])});
    }
    return out;
}

}  // namespace talvo
