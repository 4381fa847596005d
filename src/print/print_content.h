#pragma once

#include "print/print_document.h"
#include "radio/state/program_state.h"
#include "rules/printout.h"

class QPagedPaintDevice;

namespace talvo {

// The channel grid as the window displays it: the header in `lang`, then one row per channel
// that shows anything (free channels with nothing to show are left out).
PrintGrid ChannelGridForPrint(const ProgramState& state, Language lang);

// Composes the programming data printout (rules/printout) from the program state in its current
// language and, when `device` is given, paints it there. Returns what EndDocument returns: the
// pages painted, 0 when the device refused, -1 without a device.
int PrintContent(const ProgramState& state, PrintDocument& doc,
                 QPagedPaintDevice* device = nullptr);

}  // namespace talvo
