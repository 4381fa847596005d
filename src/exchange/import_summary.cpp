#include "exchange/import_summary.h"

namespace talvo {

std::vector<Message> ImportSummary(const ImportPlan& plan, const std::string& fileName) {
    int overwritten = 0, unchanged = 0;
    for (const ImportRow& row : plan.rows) {
        overwritten += row.overwrites;
        unchanged += row.unchanged;
    }
    // Each count has its own words, so that each takes the plural form its number needs.
    std::vector<Message> lines;
    lines.push_back(Message(
        TALVO_TEXT("CsvImportDialog", "%1: %2, %3 (%4), %5, %6; %7"),
        {Message::Literal(fileName),
         Counted(TALVO_PLURAL("CsvImportDialog", "%n rows", "%n row"),
                 static_cast<int>(plan.rows.size())),
         Counted(TALVO_PLURAL("CsvImportDialog", "%n imported", "%n imported"), plan.taken()),
         Counted(TALVO_PLURAL("CsvImportDialog", "%n of them adjusted", "%n of them adjusted"),
                 plan.adjusted),
         Counted(TALVO_PLURAL("CsvImportDialog", "%n refused", "%n refused"), plan.refused),
         Counted(TALVO_PLURAL("CsvImportDialog", "%n skipped", "%n skipped"), plan.skipped),
         Counted(TALVO_PLURAL("CsvImportDialog", "%n programmed channels will be replaced.",
                              "%n programmed channel will be replaced."),
                 overwritten)}));
    if (unchanged > 0) {
        lines.push_back(Counted(TALVO_PLURAL("CsvImportDialog",
                                             "%n rows give their channel what it already holds "
                                             "and leave it unchanged.",
                                             "%n row gives its channel what it already holds and "
                                             "leaves it unchanged."),
                                unchanged));
    }
    for (const ExchangeNote& note : plan.fileNotes) lines.push_back(NoteText(note));
    return lines;
}

}  // namespace talvo
