#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

#include "print/print_document.h"

class QPaintDevice;
class QWidget;

namespace talvo::testing {

// Walks what a window shows and collects the faults of its texts: under the pseudo-language a
// text that did not come through the catalogue (every catalogue text carries its brackets; data
// is exempt), and in every language a text that does not fit its widget.
class TextWalk {
  public:
    // `pseudo`: the program shows the pseudo-language, so unmarked texts are faults too.
    explicit TextWalk(bool pseudo) : pseudo_(pseudo) {}

    // A text shown as it is in every language besides what IsData knows (a file name the test
    // made, a channel name it typed).
    void exempt(const QString& text) { exempt_.insert(text); }
    // Every cell of `column` in the table named `table` is data (names read from a radio).
    void exemptColumn(const QString& table, int column) { columns_.insert({table, column}); }
    // Titles, captions, buttons, list entries, frames, tabs, table headers and cells of `root`
    // and its children, and every one of them that does not fit.
    void window(const QString& where, QWidget* root);
    // One text shown elsewhere (a message, a printout's line, a command line's output).
    void text(const QString& where, const QString& text);
    // Every text of a printout's `elements`, laid out on `device`, that does not fit its room.
    void printoutFits(const QString& where, const std::vector<PrintElement>& elements,
                      const QPaintDevice& device);
    // The whole output of a command line (help, usage errors): under the pseudo-language every
    // sentence in it came through the catalogue; what is left is data (see CommandLineLeftover).
    void commandLine(const QString& where, const QString& output, const QStringList& names);

    const QStringList& faults() const { return faults_; }
    int texts() const { return texts_; }

  private:
    bool pseudo_;
    QSet<QString> exempt_;
    QSet<std::pair<QString, int>> columns_;
    QStringList faults_;
    int texts_ = 0;
};

// Numbers, frequencies, tones, codes, the port, the bands, the radio display's own words: shown
// as they are in every language.
bool IsData(const QString& text);
// What is left of `text` once every pseudo-language text in it (brackets, nested or not) is
// taken out: under the pseudo-language, a text that came through the catalogue leaves data only.
QString Unmarked(const QString& text);
// The lines of a command line's output with words that did not come through the catalogue: what
// is left once each pseudo-language text is taken out whole (its brackets matched, so a text may
// hold data in brackets, "[--json]", and span lines) and then the data a command line shows as
// it is: the tool's name, option names, placeholders (FILE.dat, N,N,...), `names` (the commands,
// the language codes).
QStringList CommandLineLeftover(const QString& output, const QStringList& names);

}  // namespace talvo::testing
