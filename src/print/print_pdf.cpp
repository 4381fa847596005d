#include "print/print_pdf.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSaveFile>

#include "lang/catalogue.h"
#include "print/pdf_text_layer.h"
#include "print/print_content.h"
#include "print/print_renderer.h"

namespace talvo {
namespace {
constexpr int kPdfResolution = 300;
}  // namespace

int WritePrintoutPdf(const ProgramState& state, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return 0;
    // Written in memory first: its text layer is mended before the file gets it.
    QByteArray pdf;
    int pages = 0;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(PrintoutPageLayout());
        writer.setCreator(QStringLiteral("talvo"));
        writer.setTitle(QString::fromStdString(
            RenderText(TALVO_TEXT("PrintPdf", "Programming data"), state.language)));
        PrintDocument document;
        pages = PrintContent(state, document, &writer);
    }
    if (pages <= 0) {
        file.cancelWriting();
        return 0;
    }
    MendCjkTextLayer(pdf);
    if (file.write(pdf) != pdf.size()) {
        file.cancelWriting();
        return 0;
    }
    return file.commit() ? pages : 0;
}

}  // namespace talvo
