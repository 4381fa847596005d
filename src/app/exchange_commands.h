#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "model/language.h"
#include "radio/state/channels.h"

class QAction;
class QMenu;
class QWidget;

namespace talvo {

class Document;

// The File menu's exchange entries: channels imported from and exported to the channel CSV
// layout (an import shows its preview first and is one undoable step), and the printout
// written as a PDF file.
class ExchangeCommands : public QObject {
    Q_OBJECT
  public:
    // Asks for a file to read (`save` false) or write, with a filter in the toolkit's form;
    // returns an empty text when the user cancels.
    using Chooser = std::function<QString(bool save, const QString& filter)>;

    // Dialogs open over `window`, messages over `messageParent`.
    ExchangeCommands(Document& document, Chooser chooser, QWidget* window, QWidget* messageParent);

    // Adds the entries ("MNImportCsv", "MNExportCsv", "MNExportPdf") after a separator.
    void addTo(QMenu* menu);
    const std::vector<QAction*>& actions() const { return actions_; }
    void applyLanguage(Language lang);
    void setMessageParent(QWidget* parent) { messageParent_ = parent; }

    void importChannelsCsv();
    void exportChannelsCsv();
    void exportPrintoutPdf();

  signals:
    // Channels were imported into the document.
    void channelsImported();

  private:
    // Puts `channels` of `result` into the document's channels as one undoable step.
    void storeImportedChannels(const ChannelStores& result, const std::vector<int>& channels,
                               const QString& fileName);

    Document& document_;
    Chooser chooser_;
    QWidget* window_;
    QWidget* messageParent_;
    std::vector<QAction*> actions_;
};

}  // namespace talvo
