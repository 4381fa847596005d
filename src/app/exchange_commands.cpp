#include "app/exchange_commands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <iterator>
#include <span>
#include <utility>

#include "app/csv_import_dialog.h"
#include "app/file_failure.h"
#include "app/file_filter.h"
#include "document/document.h"
#include "exchange/channel_export.h"
#include "exchange/channel_import.h"
#include "lang/catalogue.h"
#include "print/print_pdf.h"
#include "radio/codecs/file_io.h"
#include "radio/state/state_parts.h"
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

ExchangeCommands::ExchangeCommands(Document& document, Chooser chooser, QWidget* window,
                                   QWidget* messageParent)
    : QObject(window),
      document_(document),
      chooser_(std::move(chooser)),
      window_(window),
      messageParent_(messageParent) {}

void ExchangeCommands::addTo(QMenu* menu) {
    menu->addSeparator()->setObjectName("MNLineExchange");
    // In the order of kMenuTexts.
    static constexpr void (ExchangeCommands::*commands[])() = {
        &ExchangeCommands::importChannelsCsv, &ExchangeCommands::exportChannelsCsv,
        &ExchangeCommands::exportPrintoutPdf};
    static_assert(std::size(commands) == std::size(kMenuTexts));
    for (std::size_t i = 0; i < std::size(kMenuTexts); ++i) {
        auto* action = new QAction(window_);
        action->setObjectName(kMenuTexts[i].object);
        connect(action, &QAction::triggered, this, commands[i]);
        menu->addAction(action);
        actions_.push_back(action);
    }
}

void ExchangeCommands::applyLanguage(Language lang) {
    for (std::size_t i = 0; i < actions_.size(); ++i)
        actions_[i]->setText(Tr(kMenuTexts[i].text, lang));
}

void ExchangeCommands::importChannelsCsv() {
    const Language lang = document_.sessionState().language;
    const QString path = chooser_(false, ToQtFilter(Tr(kCsvFilter, lang)));
    if (path.isEmpty()) return;
    std::vector<std::uint8_t> bytes;
    if (const Status s =
            ReadFileBytes(QFile::encodeName(path).toStdString(), bytes, kMaxCsvBytes + 1);
        s != Status::Ok) {
        ReportFileFailure(s, path, lang, messageParent_);
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
                    Tr(TALVO_TEXT("MainExchange", "Mistake"), lang), messageParent_);
        return;
    }

    const ProgramState& state = document_.sessionState();
    CsvImportDialog preview(std::move(table), state.channels, state.band, lang,
                            QFileInfo(path).fileName(), window_);
    if (preview.exec() != QDialog::Accepted) return;
    const ImportPlan& plan = preview.plan();
    if (plan.taken() == 0) return;
    std::vector<int> placed;
    for (const ImportRow& row : plan.rows) {
        if (row.channel > 0) placed.push_back(row.channel);
    }
    storeImportedChannels(plan.result, placed, QFileInfo(path).fileName());
    emit channelsImported();
}

void ExchangeCommands::storeImportedChannels(const ChannelStores& result,
                                             const std::vector<int>& channels,
                                             const QString& fileName) {
    // One step of the history, however many channels the file filled.
    std::vector<std::pair<int, ChannelRecord>> records;
    records.reserve(channels.size());
    for (int ch : channels) records.emplace_back(ch, TakeChannel(result, ch));
    const std::string name = fileName.toStdString();
    document_.replaceChannels(
        Message(TALVO_TEXT("MainExchange", "Import %1"), {Message::Literal(name)}), records);
}

void ExchangeCommands::exportChannelsCsv() {
    const Language lang = document_.sessionState().language;
    QString path = chooser_(true, ToQtFilter(Tr(kCsvFilter, lang)));
    if (path.isEmpty()) return;
    path = WithSuffix(path, "csv");
    const ProgramState& state = document_.sessionState();
    const CsvExport csv = ExportChannelsCsv(state.channels, state.band);
    const auto* data = reinterpret_cast<const std::uint8_t*>(csv.text.data());
    if (const Status s = WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                             std::span(data, csv.text.size()));
        s != Status::Ok) {
        ReportFileFailure(s, path, lang, messageParent_);
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
                Tr(TALVO_TEXT("MainExchange", "Export Channels"), lang), messageParent_);
}

void ExchangeCommands::exportPrintoutPdf() {
    const Language lang = document_.sessionState().language;
    QString path = chooser_(true, ToQtFilter(Tr(kPdfFilter, lang)));
    if (path.isEmpty()) return;
    path = WithSuffix(path, "pdf");
    const int pages = WritePrintoutPdf(document_.sessionState(), path);
    if (pages <= 0) {
        ReportFileFailure(Status::CannotWrite, path, lang, messageParent_);
        return;
    }
    LocalMsgBox(
        lang,
        (Tr(TALVO_TEXT("MainExchange", "The printout (%1 pages) was written to:\n%2"), lang))
            .arg(pages)
            .arg(QDir::toNativeSeparators(path)),
        StyleIconInformation, Tr(TALVO_TEXT("MainExchange", "Export Printout"), lang),
        messageParent_);
}

}  // namespace talvo
