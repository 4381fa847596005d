#include "app/print_preview_window.h"

#include <QAction>
#include <QEvent>
#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>
#include <QVBoxLayout>

#include "lang/catalogue.h"
#include "print/print_content.h"
#include "print/print_renderer.h"
#include "ui/accessible_names.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

struct Texts {
    Text title{TALVO_TEXT("PrintPreviewWindow", "Print preview")};
    Text refresh{TALVO_TEXT("PrintPreviewWindow", "Refresh")};
    Text print{TALVO_TEXT("PrintPreviewWindow", "Print")};
    Text zoomIn{TALVO_TEXT("PrintPreviewWindow", "Zoom in")};
    Text zoomOut{TALVO_TEXT("PrintPreviewWindow", "Zoom out")};
    Text close{TALVO_TEXT("PrintPreviewWindow", "Close")};
};

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(const ProgramState& state, QWidget* parent)
    : QDialog(parent), state_(state), previewPrinter_(new QPrinter(QPrinter::ScreenResolution)) {
    setObjectName(QStringLiteral("FrmPrint"));
    previewPrinter_->setPageLayout(PrintoutPageLayout());

    preview_ = new QPrintPreviewWidget(previewPrinter_, this);
    preview_->setObjectName(QStringLiteral("Picture1"));
    // The toolkit's page view inside the preview takes the keyboard, so it carries the name.
    for (QGraphicsView* view : preview_->findChildren<QGraphicsView*>()) NameAfterTitle(view, this);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &PrintPreviewWindow::buildInto);

    auto* bar = new QToolBar(this);
    auto add = [&](const char* name, auto slot) {
        QAction* action = bar->addAction(QString());
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        actions_.push_back(action);
    };
    add("actionRefresh", [this] { refresh(); });
    add("actionPrint", [this] { printToDefaultPrinter(); });
    add("actionZoomIn", [this] { preview_->zoomIn(); });
    add("actionZoomOut", [this] { preview_->zoomOut(); });
    add("actionClose", [this] { reject(); });
    retranslate();

    // The preview fills the window whatever its size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(preview_, 1);
    resize(800, 600);
}

void PrintPreviewWindow::retranslate() {
    const Language lang = state_.language;
    if (!IsKnownLanguage(lang)) return;
    const Texts texts;
    setWindowTitle(Tr(texts.title, lang));
    const Text* captions[] = {&texts.refresh, &texts.print, &texts.zoomIn, &texts.zoomOut,
                              &texts.close};
    for (std::size_t i = 0; i < actions_.size(); ++i) actions_[i]->setText(Tr(*captions[i], lang));
}

void PrintPreviewWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The printout is in the language shown too.
        if (isVisible()) refresh();
    }
    QDialog::changeEvent(event);
}

PrintPreviewWindow::~PrintPreviewWindow() {
    // The preview widget paints from the printer until it is gone.
    delete preview_;
    delete previewPrinter_;
}

void PrintPreviewWindow::buildInto(QPrinter* printer) {
    PrintDocument document;
    previewPages_ = PrintContent(state_, document, printer);
}

void PrintPreviewWindow::refresh() {
    preview_->updatePreview();
}

bool PrintPreviewWindow::printToDefaultPrinter() {
    const Language lang = state_.language;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        LocalMsgBox(
            lang,
            TALVO_TEXT("PrintPreviewWindow", "There is no default printer; nothing was printed."),
            StyleOk | StyleIconWarning, Text{}, this);
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageLayout(PrintoutPageLayout());
    PrintDocument document;
    if (PrintContent(state_, document, &printer) <= 0 ||
        printer.printerState() == QPrinter::Error) {
        LocalMsgBox(lang,
                    TALVO_TEXT("PrintPreviewWindow",
                               "Printing failed: the printer did not accept the printout."),
                    StyleOk | StyleIconError, Text{}, this);
        return false;
    }
    return true;
}

void ShowPrintPreview(const ProgramState& state, QWidget* owner) {
    PrintPreviewWindow window(state, owner);
    window.exec();
}

}  // namespace talvo
