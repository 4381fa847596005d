#include "print/print_content.h"

#include "lang/catalogue.h"
#include "rules/printout.h"

namespace talvo {
namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

PrintGrid ChannelGridForPrint(const ProgramState& state, Language lang) {
    const PrintoutGrid content = ChannelGridPrintout(state, WordsIn(lang));
    PrintGrid grid;
    for (const std::string& h : content.header) grid.header << Utf8(h);
    grid.columnTwips = content.columnTwips;
    for (const auto& row : content.rows) {
        QStringList line;
        for (const std::string& cell : row) line << Utf8(cell);
        grid.rows.push_back(line);
    }
    return grid;
}

int PrintContent(const ProgramState& state, PrintDocument& doc, QPagedPaintDevice* device) {
    const Language lang = state.language;
    const QString border = QString::fromLatin1(kPrintCellBorder);
    doc.BeginDocument(device);
    for (const PrintoutElement& e : PrintoutElements(state, WordsIn(lang))) {
        switch (e.kind) {
            case PrintoutKind::NewPage:
                doc.NewPage();
                break;
            case PrintoutKind::Title:
                doc.Title(Utf8(e.text));
                break;
            case PrintoutKind::Heading:
                doc.Heading(Utf8(e.text));
                break;
            case PrintoutKind::LineFeed:
                doc.LineFeed();
                break;
            case PrintoutKind::Row:
                doc.Cell(Utf8(e.text), kPrintCellTwips, kPrintCellAlignment, border);
                doc.Cell(Utf8(e.value), kPrintCellTwips, kPrintCellAlignment, border);
                doc.EndRow();
                break;
            case PrintoutKind::Grid:
                doc.GridTable(ChannelGridForPrint(state, lang), Utf8(e.text));
                break;
        }
    }
    return doc.EndDocument();
}

}  // namespace talvo
