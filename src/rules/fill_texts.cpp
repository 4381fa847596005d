#include "rules/fill_texts.h"

#include "rules/column_edit_report.h"

namespace talvo {

Message FillProblemText(FillProblem problem) {
    switch (problem) {
        case FillProblem::None:
            return Message::Literal({});
        case FillProblem::NothingToFill:
            return TALVO_TEXT("FillSeriesDialog", "Choose what to fill");
        case FillProblem::BadStart:
            return TALVO_TEXT("FillSeriesDialog", "The start frequency is no number");
        case FillProblem::BadStep:
            return TALVO_TEXT("FillSeriesDialog", "The step is no number (kHz)");
        case FillProblem::BadOffset:
            return TALVO_TEXT("FillSeriesDialog", "The offset is no number (MHz)");
        case FillProblem::BadPattern:
            return TALVO_TEXT("FillSeriesDialog",
                              "The name pattern may hold only name characters and {n} or {n:02}");
    }
    return Message::Literal({});
}

Message FillRowResult(const FillRow& row) {
    if (row.refusal) {
        return Message::Join(
            "%1%2", {TALVO_TEXT("FillSeriesDialog", "Stays: "), RefusalText(*row.refusal)});
    }
    return row.starts ? TALVO_TEXT("FillSeriesDialog", "New channel")
                      : TALVO_TEXT("FillSeriesDialog", "Filled");
}

}  // namespace talvo
