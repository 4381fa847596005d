#pragma once

#include <QFont>
#include <QPageLayout>
#include <vector>

#include "print/print_document.h"

class QPagedPaintDevice;

namespace talvo {

// Lays `elements` out on the pages of `device` (LayOutDocument) and paints them, each line of
// a text with its own drawing call, so a PDF's text layer holds what is painted. Returns the
// number of pages, 0 when the device cannot be painted on.
int RenderDocument(const std::vector<PrintElement>& elements, QPagedPaintDevice* device);

// The printout's paper, the same on the preview, the printer and a PDF: A4 portrait with
// margins of 15 mm.
QPageLayout PrintoutPageLayout();

// The printout's font: a CJK family first, so Chinese renders wherever such a font is
// installed, then common Latin families.
QFont PrintFont(qreal pointSize, bool bold);

}  // namespace talvo
