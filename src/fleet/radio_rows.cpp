#include "fleet/radio_rows.h"

#include <algorithm>
#include <charconv>

#include "exchange/csv_text.h"
#include "rules/options_checks.h"

namespace talvo::fleet {

namespace {

using Kind = RowsProblem::Kind;

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string NameOf(const OptionField& field) {
    return std::visit([](auto id) { return std::string(Info(id).name); }, field);
}

// What the options window makes of `typed` in a text field: its key filter, its length limit,
// the channel number clamp and its check on leaving the field.
std::string AsTheWindowTakesIt(TextId field, std::string_view typed) {
    std::string text = FilterOptionsText(field, typed);
    const auto limit = static_cast<std::size_t>(Info(field).maxLength);
    if (text.size() > limit) text.resize(limit);
    if (field == TextId::AChannelNumber || field == TextId::BChannelNumber) {
        text = ChannelNumberWhileTyping(text);
    }
    return OptionsLeaveCheck(field, text);
}

// Nullopt and a problem when the cell is not a value of the field.
std::optional<RowValue> ValueOf(const OptionField& field, const std::string& cell,
                                const std::vector<TextWords>& languages,
                                std::vector<std::string>& problemArgs) {
    RowValue value;
    value.field = field;
    problemArgs = {NameOf(field), cell, ""};
    if (const auto* list = std::get_if<ListId>(&field)) {
        int index = -1;
        const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), index);
        if (ec != std::errc() || end != cell.data() + cell.size()) {
            const auto word = [list](int i) { return ListEntry(*list, i); };
            index = EntryWithWords(ListSize(*list), word, cell, languages).value_or(-1);
        }
        if (index < 0 || index >= ListSize(*list)) return std::nullopt;
        value.index = index;
        return value;
    }
    if (std::holds_alternative<CheckId>(field)) {
        const std::string lower = AsciiLower(cell);
        if (lower != "true" && lower != "false") return std::nullopt;
        value.on = lower == "true";
        return value;
    }
    const TextId text = std::get<TextId>(field);
    const std::string taken = AsTheWindowTakesIt(text, cell);
    // Letters typed in lower case become capitals as the window shows them; any other change
    // would program something the file does not say.
    if (AsciiLower(taken) != AsciiLower(cell)) {
        problemArgs[2] = taken;
        return std::nullopt;
    }
    value.text = taken;
    return value;
}

}  // namespace

std::optional<OptionField> FieldNamed(std::string_view name) {
    for (std::size_t i = 0; i < kListCount; ++i) {
        if (Info(static_cast<ListId>(i)).name == name) return static_cast<ListId>(i);
    }
    for (std::size_t i = 0; i < kTextCount; ++i) {
        if (Info(static_cast<TextId>(i)).name == name) return static_cast<TextId>(i);
    }
    for (std::size_t i = 0; i < kCheckCount; ++i) {
        if (Info(static_cast<CheckId>(i)).name == name) return static_cast<CheckId>(i);
    }
    return std::nullopt;
}

RadioRows ParseRadioRows(std::string_view text, const std::vector<TextWords>& languages) {
    RadioRows out;
    const CsvText csv = SplitDelimited(text);
    if (csv.records.empty()) {
        out.problems.push_back({Kind::NoHeading, 0, {}});
        return out;
    }
    const CsvRecord& heading = csv.records.front();
    std::vector<OptionField> fields;
    for (const std::string& cell : heading.cells) {
        const std::string name = Trimmed(cell);
        const auto field = FieldNamed(name);
        if (!field) {
            out.problems.push_back({Kind::UnknownName, heading.line, {name}});
            continue;
        }
        for (const OptionField& seen : fields) {
            if (seen == *field) out.problems.push_back({Kind::RepeatedName, heading.line, {name}});
        }
        fields.push_back(*field);
    }
    if (!out.problems.empty()) return out;
    // A display text may start with "#", but such a line is a comment to the CSV reader: the
    // radios after it would silently take the next radio's values.
    int lineNumber = 1;
    for (std::size_t at = 0; at < text.size(); ++lineNumber) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        if (lineNumber > heading.line && text[at] == '#')
            out.problems.push_back({Kind::CommentRow, lineNumber, {}});
        at = end + ((text.compare(end, 2, "\r\n") == 0) ? 2 : 1);
    }
    if (!out.problems.empty()) return out;
    for (std::size_t r = 1; r < csv.records.size(); ++r) {
        const CsvRecord& record = csv.records[r];
        RadioRow row{static_cast<int>(r), record.line, {}};
        if (record.cells.size() != fields.size()) {
            out.problems.push_back(
                {Kind::CellCount,
                 record.line,
                 {std::to_string(record.cells.size()), std::to_string(fields.size())}});
            continue;
        }
        for (std::size_t c = 0; c < fields.size(); ++c) {
            const std::string cell = Trimmed(record.cells[c]);
            if (cell.empty()) continue;
            std::vector<std::string> args;
            if (auto value = ValueOf(fields[c], cell, languages, args)) {
                row.values.push_back(std::move(*value));
            } else {
                out.problems.push_back({Kind::BadValue, record.line, std::move(args)});
            }
        }
        out.rows.push_back(std::move(row));
    }
    if (out.rows.empty() && out.problems.empty())
        out.problems.push_back({Kind::NoRows, heading.line, {}});
    if (!out.problems.empty()) out.rows.clear();
    return out;
}

void ApplyRow(const RadioRow& row, OptionalFeatures& options) {
    for (const RowValue& v : row.values) {
        if (const auto* list = std::get_if<ListId>(&v.field)) {
            options[*list] = v.index;
        } else if (const auto* check = std::get_if<CheckId>(&v.field)) {
            options[*check] = v.on;
        } else {
            SetCheckedSettingText(options, std::get<TextId>(v.field), v.text);
        }
    }
}

RowPool::RowPool(int count) {
    for (int row = 1; row <= count; ++row) free_.insert(row);
}

std::optional<int> RowPool::take() {
    if (free_.empty()) return std::nullopt;
    const int row = *free_.begin();
    free_.erase(free_.begin());
    return row;
}

}  // namespace talvo::fleet
