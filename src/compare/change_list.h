#pragma once

#include <string>
#include <vector>

#include "model/text.h"
#include "radio/state/program_state.h"

namespace talvo::compare {

// One difference between two decoded states, named as the windows name it.
struct Change {
    enum class Area { Channel, Setting, Fm, Power };
    enum class Kind { Added, Removed, Changed };  // Added and Removed: channels only

    Area area = Area::Setting;
    Kind kind = Kind::Changed;
    int channel = 0;  // the channel (1..128) or FM channel (1..25); 0 for none
    Message field;    // the column, setting or value name
    Message before;   // an empty literal: no value
    Message after;
};

// The state an image decodes to.
ProgramState DecodedState(const ImageBytes& image);

// Every difference from `before` to `after` (both decoded with `words`): channels added,
// removed and changed (one entry per column that differs, or per column that has a value for
// an added or removed channel), then the settings of the optional-features window and the
// band, the FM record, the power grades. Values that read the same in `words` are no change.
std::vector<Change> CompareStates(const ProgramState& before, const ProgramState& after,
                                  const TextWords& words);

// The two images decoded and compared.
std::vector<Change> CompareImages(const ImageBytes& before, const ImageBytes& after,
                                  const TextWords& words);

// The change list as aligned text for a terminal (change_table.cpp), in `words`: a title line,
// then one line per change with its place, field, old and new value in columns; the single
// line "No change" when the list is empty.
std::vector<std::string> ChangeLines(const std::vector<Change>& changes, const TextWords& words);

}  // namespace talvo::compare
