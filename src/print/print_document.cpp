#include "print/print_document.h"

#include "print/print_renderer.h"

namespace talvo {
namespace {

PrintElement Element(PrintElementKind kind, const QString& text = {}) {
    PrintElement e{kind, text, 0, 0, {}, {}};
    return e;
}

}  // namespace

void PrintDocument::BeginDocument(QPagedPaintDevice* device) {
    device_ = device;
    elements_.clear();
}

void PrintDocument::NewPage() {
    elements_.push_back(Element(PrintElementKind::NewPage));
}

void PrintDocument::Title(const QString& text) {
    elements_.push_back(Element(PrintElementKind::Title, text));
}

void PrintDocument::Heading(const QString& text) {
    elements_.push_back(Element(PrintElementKind::Heading, text));
}

void PrintDocument::LineFeed() {
    elements_.push_back(Element(PrintElementKind::LineFeed));
}

void PrintDocument::Cell(const QString& text, int widthTwips, int alignment,
                         const QString& border) {
    PrintElement e = Element(PrintElementKind::Cell, text);
    e.widthTwips = widthTwips;
    e.alignment = alignment;
    e.border = border;
    elements_.push_back(std::move(e));
}

void PrintDocument::Cell(double number, int widthTwips, int alignment, const QString& border) {
    Cell(QString::number(number), widthTwips, alignment, border);
}

void PrintDocument::EndRow() {
    elements_.push_back(Element(PrintElementKind::EndRow));
}

void PrintDocument::GridTable(const PrintGrid& grid, const QString& caption) {
    PrintElement e = Element(PrintElementKind::GridTable, caption);
    e.grid = grid;
    elements_.push_back(std::move(e));
}

int PrintDocument::EndDocument() {
    if (!device_) return -1;
    return RenderDocument(elements_, device_);
}

}  // namespace talvo
