#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;

namespace talvo {

// A table handed to the printout: a header row and data rows, column widths in twips.
struct PrintGrid {
    QStringList header;
    std::vector<QStringList> rows;
    std::vector<int> columnTwips;
};

enum class PrintElementKind { NewPage, Title, Heading, LineFeed, Cell, EndRow, GridTable };

// One operation of the document, in the order it was given.
struct PrintElement {
    PrintElementKind kind;
    QString text;        // title, heading, cell text or grid caption
    int widthTwips = 0;  // cell
    int alignment = 0;   // cell: 0 left, 1 right, 2 centred
    QString border;      // cell: "LTRB" flags, "1111" draws all four sides
    PrintGrid grid;      // grid table
};

// The document builder of the printout. The operations are recorded in order; when the
// document was begun on a paint device (a printer, a preview page, a PDF writer),
// EndDocument lays the pages out and paints them onto it.
class PrintDocument {
  public:
    // Starts a fresh document; nothing of an earlier one remains.
    void BeginDocument(QPagedPaintDevice* device = nullptr);
    void NewPage();
    void Title(const QString& text);
    void Heading(const QString& text);
    void LineFeed();
    void Cell(const QString& text, int widthTwips, int alignment, const QString& border);
    void Cell(double number, int widthTwips, int alignment, const QString& border);
    void EndRow();
    void GridTable(const PrintGrid& grid, const QString& caption);
    // Paints the document when it has a device. Returns the number of pages painted, 0 when
    // the device refused painting, and -1 for a document without a device.
    int EndDocument();

    const std::vector<PrintElement>& elements() const { return elements_; }

  private:
    QPagedPaintDevice* device_ = nullptr;
    std::vector<PrintElement> elements_;
};

}  // namespace talvo
