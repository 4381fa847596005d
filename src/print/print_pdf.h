#pragma once

#include <QString>

#include "radio/state/program_state.h"

namespace talvo {

// Writes the printout of `state` as an A4 PDF file at `path`, replacing the file only when
// the whole document was written. Returns the number of pages, 0 on failure (the file cannot
// be written). Needs a QGuiApplication (fonts).
int WritePrintoutPdf(const ProgramState& state, const QString& path);

}  // namespace talvo
