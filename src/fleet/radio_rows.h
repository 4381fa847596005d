#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "radio/state/options.h"

namespace talvo::fleet {

// The per-radio values file: a heading line of setting names (the names of `talvo-cli diff
// --json`'s "Options": DisplayCharacter, PowerOnPasswordDigits, PowerOnPassword, ...), then one
// line per radio. A list setting takes its entry's number (0, 1, ...) or the entry's text in
// any shipped language (letters A-Z in any case), a check true or false, a text what its field in
// the options window accepts unchanged. An empty cell leaves the template's value.

using OptionField = std::variant<ListId, TextId, CheckId>;

struct RowValue {
    OptionField field;
    int index = 0;     // a list
    std::string text;  // a text
    bool on = false;   // a check
};

struct RadioRow {
    int number = 0;  // 1 for the first line after the heading
    int line = 0;    // where it is in the file
    std::vector<RowValue> values;
};

struct RowsProblem {
    enum class Kind {
        NoHeading,     // {}
        UnknownName,   // {name}
        RepeatedName,  // {name}
        NoRows,        // {}
        CellCount,     // {cells, heading cells}
        BadValue,      // {name, value, what the options window makes of it ("" when nothing)}
        CommentRow,    // {} a row starting with "#" would be skipped as a comment
    };
    Kind kind;
    int line = 0;
    std::vector<std::string> args;
};

struct RadioRows {
    std::vector<RadioRow> rows;
    std::vector<RowsProblem> problems;  // any problem refuses the whole file
};

// A list entry's text is its English source or what one of `languages` gives for it (the file
// reads the same whatever language the program shows).
RadioRows ParseRadioRows(std::string_view text, const std::vector<TextWords>& languages);

// Sets the row's values over `options`.
void ApplyRow(const RadioRow& row, OptionalFeatures& options);

// The setting called `name` in the options.
std::optional<OptionField> FieldNamed(std::string_view name);

// Hands out rows 1..count: always the lowest that is neither in use nor used up. A row whose
// radio failed comes back; one whose radio was verified is used up.
class RowPool {
  public:
    explicit RowPool(int count);
    std::optional<int> take();
    void release(int row) { free_.insert(row); }
    bool empty() const { return free_.empty(); }
    int left() const { return static_cast<int>(free_.size()); }

  private:
    std::set<int> free_;
};

}  // namespace talvo::fleet
