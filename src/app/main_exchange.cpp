// The main window's exchange commands: channels imported from and exported to the channel CSV
// layout, and the printout written as a PDF file.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <span>

#include "app/csv_import_dialog.h"
#include "app/data_file_dialog.h"
#include "app/file_filter.h"
#include "app/main_window.h"
#include "document/document.h"
#include "editors/channels/channel_table_window.h"
#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "image/file_io.h"
#include "lang/catalogue.h"
#include "model/state_parts.h"
#include "print/print_pdf.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

struct ExchangeText {
    const char* object;
    Text text;
};
constexpr ExchangeText kMenuTexts[] = {
    {"MNImportCsv", TALVO_TEXT("MainExchange", "Import Channels (CSV)…")},
    {"MNExportCsv", TALVO_TEXT("MainExchange", "Export Channels (CSV)…")},
    {"MNExportPdf", TALVO_TEXT("MainExchange", "Export Printout (PDF)…")},
};

// File dialog filters, "description|pattern|" pairs.
constexpr Text kCsvFilter =
    TALVO_TEXT("MainExchange", "CSV files(*.csv)|*.csv|All files(*.*)|*.*|");
constexpr Text kPdfFilter =
    TALVO_TEXT("MainExchange", "PDF files(*.pdf)|*.pdf|All files(*.*)|*.*|");
// A channel list is a few kilobytes; anything far larger is no channel list.
constexpr std::size_t kMaxCsvBytes = 16u << 20;

// A name typed without an extension gets the one of the chosen kind.
QString WithSuffix(const QString& path, const char* suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

}  // namespace

void MainWindow::addExchangeCommands(QMenu* file) {
    file->addSeparator()->setObjectName("MNLineExchange");
    addCommand(file, "MNImportCsv", {}, &MainWindow::importChannelsCsv);
    addCommand(file, "MNExportCsv", {}, &MainWindow::exportChannelsCsv);
    addCommand(file, "MNExportPdf", {}, &MainWindow::exportPrintoutPdf);
}

void MainWindow::applyExchangeTexts(Language lang) {
    for (const ExchangeText& t : kMenuTexts) {
        if (QAction* a = action(t.object)) a->setText(Tr(t.text, lang));
    }
}

void MainWindow::importChannelsCsv() {
    const Language lang = state_.language;
    const QString path =
        fileChooser_(this, false, DataFileStartFolder(), ToQtFilter(Tr(kCsvFilter, lang)));
    if (path.isEmpty()) return;
    std::vector<std::uint8_t> bytes;
    if (const Status s =
            ReadFileBytes(QFile::encodeName(path).toStdString(), bytes, kMaxCsvBytes + 1);
        s != Status::Ok) {
        reportFileFailure(s, path);
        return;
    }
    const QString name = QDir::toNativeSeparators(path);
    ChannelTable table;
    if (bytes.size() > kMaxCsvBytes) {
        table.fileNotes.push_back({NoteKind::FileTooLarge, {std::to_string(kMaxCsvBytes >> 20)}});
    } else {
        table = ReadChannelTable(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    if (!table.readable) {
        QStringList lines;
        lines << Tr(TALVO_TEXT("MainExchange", "This file holds no channel list:"), lang) +
                     QLatin1Char(' ') + name;
        for (const ExchangeNote& note : table.fileNotes) {
            lines << Tr(NoteText(note), lang);
        }
        LocalMsgBox(lang, lines.join(QLatin1Char('\n')), StyleIconError,
                    Tr(TALVO_TEXT("MainExchange", "Mistake"), lang), channel_);
        return;
    }

    CsvImportDialog preview(std::move(table), state_.channels, state_.band, lang,
                            QFileInfo(path).fileName(), this);
    if (preview.exec() != QDialog::Accepted) return;
    const ImportPlan& plan = preview.plan();
    if (plan.taken() == 0) return;
    std::vector<int> placed;
    for (const ImportRow& row : plan.rows) {
        if (row.channel > 0) placed.push_back(row.channel);
    }
    storeImportedChannels(plan.result, placed, QFileInfo(path).fileName());
    showEditor(channel_);
}

void MainWindow::storeImportedChannels(const ChannelStores& result,
                                       const std::vector<int>& channels, const QString& fileName) {
    // One step of the history, however many channels the file filled.
    std::vector<std::pair<int, ChannelRecord>> records;
    records.reserve(channels.size());
    for (int ch : channels) records.emplace_back(ch, TakeChannel(result, ch));
    const std::string name = fileName.toStdString();
    document_.replaceChannels(
        Message(TALVO_TEXT("MainExchange", "Import %1"), {Message::Literal(name)}), records);
}

void MainWindow::exportChannelsCsv() {
    const Language lang = state_.language;
    QString path =
        fileChooser_(this, true, DataFileStartFolder(), ToQtFilter(Tr(kCsvFilter, lang)));
    if (path.isEmpty()) return;
    path = WithSuffix(path, "csv");
    const CsvExport csv = ExportChannelsCsv(state_.channels, state_.band);
    const auto* data = reinterpret_cast<const std::uint8_t*>(csv.text.data());
    if (const Status s = WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                             std::span(data, csv.text.size()));
        s != Status::Ok) {
        reportFileFailure(s, path);
        return;
    }
    QStringList lines;
    const QString done =
        Tr(csv.channels == 1 ? TALVO_TEXT("MainExchange", "%1 channel was exported to:\n%2")
                             : TALVO_TEXT("MainExchange", "%1 channels were exported to:\n%2"),
           lang);
    lines << done.arg(csv.channels).arg(QDir::toNativeSeparators(path));
    for (const ExchangeNote& note : csv.notes) {
        lines << Tr(NoteText(note), lang);
    }
    LocalMsgBox(lang, lines.join(QLatin1Char('\n')),
                csv.notes.empty() ? StyleIconInformation : StyleIconWarning,
                Tr(TALVO_TEXT("MainExchange", "Export Channels"), lang), channel_);
}

void MainWindow::exportPrintoutPdf() {
    const Language lang = state_.language;
    QString path =
        fileChooser_(this, true, DataFileStartFolder(), ToQtFilter(Tr(kPdfFilter, lang)));
    if (path.isEmpty()) return;
    path = WithSuffix(path, "pdf");
    const int pages = WritePrintoutPdf(state_, path);
    if (pages <= 0) {
        reportFileFailure(Status::CannotWrite, path);
        return;
    }
    LocalMsgBox(
        lang,
        (Tr(TALVO_TEXT("MainExchange", "The printout (%1 pages) was written to:\n%2"), lang))
            .arg(pages)
            .arg(QDir::toNativeSeparators(path)),
        StyleIconInformation, Tr(TALVO_TEXT("MainExchange", "Export Printout"), lang), channel_);
}

}  // namespace talvo
