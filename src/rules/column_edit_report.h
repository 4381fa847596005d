#pragma once

#include <vector>

#include "model/text.h"
#include "radio/fields/channel_fields.h"
#include "rules/column_edit.h"

namespace talvo {

// Why a channel kept what it held.
const Text& RefusalText(EditRefusal reason);

// What a column edit tells the user when some channels kept what they held: how many took the
// value, then the channels left alone by reason ("Beyond the scope of frequency band: 3, 5-9").
// Empty when every channel took it.
std::vector<Message> ColumnEditReport(const ColumnValue& value, const ColumnEditResult& result);

}  // namespace talvo
