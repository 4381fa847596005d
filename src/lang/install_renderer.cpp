// Compiled into every program that links the catalogues, so that the core's texts find their
// words before main() runs.
#include "lang/catalogue.h"

namespace {

const bool kRendererInstalled = (talvo::SetTextRenderer(&talvo::RenderText), true);

}  // namespace
