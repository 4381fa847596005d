#pragma once

#include <QString>

#include "model/language.h"
#include "model/status.h"

class QWidget;

namespace talvo {

// Tells the user that `path` could not be read or written (`status`), in `lang`, over `parent`.
// The wrong file type has its own fixed text; every other failure (a missing, unreadable or
// short file, a failed write) is reported too, never passed over.
void ReportFileFailure(Status status, const QString& path, Language lang, QWidget* parent);

}  // namespace talvo
