#include "print/print_pdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "print/print_content.h"

namespace talvo {
namespace {
constexpr int kPdfResolution = 300;
constexpr qreal kMarginMillimetres = 15;
}  // namespace

int WritePrintoutPdf(const ProgramState& state, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return 0;
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMillimetres, kMarginMillimetres,
                                                   kMarginMillimetres, kMarginMillimetres),
                                         QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("talvo"));
        writer.setTitle(state.LanguageFlag == kChinese ? QStringLiteral("编程数据打印")
                                                       : QStringLiteral("Programming data"));
        PrintDocument document;
        pages = PrintContent(state, document, &writer);
    }
    if (pages <= 0) {
        file.cancelWriting();
        return 0;
    }
    return file.commit() ? pages : 0;
}

}  // namespace talvo
