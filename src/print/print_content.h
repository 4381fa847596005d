#pragma once

#include "print/print_document.h"
#include "radio/state/program_state.h"

class QPagedPaintDevice;

namespace talvo {

// Width, alignment and border of every caption and value cell of the printout.
inline constexpr int kPrintCellTwips = 4500;
inline constexpr int kPrintCellAlignment = 2;
inline constexpr const char* kPrintCellBorder = "1111";

// The channel grid as the window displays it: the header in `lang`, then one row per channel
// that shows anything (free channels with nothing to show are left out).
PrintGrid ChannelGridForPrint(const ProgramState& state, Language lang);

// Composes the programming data printout from the program state in its current language
// and, when `device` is given, paints it there. Returns what EndDocument returns: the pages
// painted, 0 when the device refused, -1 without a device.
int PrintContent(const ProgramState& state, PrintDocument& document,
                 QPagedPaintDevice* device = nullptr);

}  // namespace talvo
