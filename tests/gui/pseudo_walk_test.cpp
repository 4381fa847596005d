// Under the pseudo-language every caption, menu entry, tool tip and list entry of the main
// window and the editor windows comes through the catalogue: each one that is not data carries
// the pseudo-language's brackets.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include "app/startup.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "lang/catalogue.h"
#include "support/fake_serial_link.h"
#include "support/shell_env.h"

namespace talvo {

class PseudoWalkTest : public QObject {
    Q_OBJECT
  private slots:
    void everyVisibleTextCameThroughTheCatalogue();
};

namespace {

// Data shown as it is in every language: numbers, frequencies, tones, codes, the port
// ("COM: 1"), the bands, the radio display's own words ("OFF", "K+S"), the find bar's close
// glyph, and the hidden call-tone list, which is never relabelled.
bool IsData(const QString& text) {
    static const QRegularExpression data(QStringLiteral(
        "^[-+0-9.,:/ *#A-DKSNIX%()×]*$|^(COM|TONE):? "
        "?[0-9]+$|^D[0-9]{3}[NI]$|^/dev/|^[A-Z+]{2,4}$|^A:[-0-9.]+MHz B:[-0-9.]+MHz$|^关闭$"));
    return text.trimmed().isEmpty() || data.match(text).hasMatch();
}

void Check(const QString& where, const QString& text, QStringList& unmarked) {
    if (IsData(text) || text.startsWith(QLatin1Char('['))) return;
    unmarked << where + QStringLiteral(": ") + text;
}

}  // namespace

void PseudoWalkTest::everyVisibleTextCameThroughTheCatalogue() {
    testing::ScopedShellEnvironment env;
    Program program = StartProgram(std::make_unique<testing::FakeSerialLink>());
    MainWindow& w = *program.window;
    QStringList unmarked;
    for (QAction* a : w.findChildren<QAction*>()) {
        // The toolkit's own entries (a child window's system menu) carry no code name; their
        // words come from the toolkit's catalogue.
        if (a->isSeparator() || a->objectName().isEmpty()) continue;
        // A further language's entry names it in its own words, whatever the language shown.
        const QString code = a->objectName().section(QLatin1Char('_'), 1);
        if (a->objectName().startsWith(QLatin1String("MNLanguage_")) &&
            a->text() == LanguageOwnName(code) && a->text() != code)
            continue;
        Check(QStringLiteral("action ") + a->objectName(), a->text(), unmarked);
        if (!a->toolTip().isEmpty() && a->toolTip() != a->text()) {
            Check(QStringLiteral("tool tip ") + a->objectName(), a->toolTip(), unmarked);
        }
    }
    const QList<QWidget*> windows{&w,
                                  static_cast<QWidget*>(w.channelWindow()),
                                  static_cast<QWidget*>(w.dtmfWindow()),
                                  static_cast<QWidget*>(w.optionsWindow()),
                                  static_cast<QWidget*>(w.debugWindow()),
                                  static_cast<QWidget*>(w.fmWindow())};
    for (QWidget* window : windows) {
        Check(QStringLiteral("title ") + window->objectName(), window->windowTitle(), unmarked);
        for (QLabel* l : window->findChildren<QLabel*>()) {
            Check(QStringLiteral("label ") + l->objectName(), l->text(), unmarked);
        }
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            Check(QStringLiteral("button ") + b->objectName(), b->text(), unmarked);
        }
        for (QComboBox* c : window->findChildren<QComboBox*>()) {
            for (int i = 0; i < c->count(); ++i) {
                Check(QStringLiteral("list ") + c->objectName(), c->itemText(i), unmarked);
            }
        }
        for (QGroupBox* g : window->findChildren<QGroupBox*>()) {
            Check(QStringLiteral("frame ") + g->objectName(), g->title(), unmarked);
        }
    }
    if (!unmarked.isEmpty()) QFAIL(qPrintable(unmarked.join(QLatin1Char('\n'))));
}

}  // namespace talvo

int main(int argc, char** argv) {
    // Before the first text is looked up.
    qputenv("TALVO_LANG", "pseudo");
    QApplication app(argc, argv);
    talvo::PseudoWalkTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "pseudo_walk_test.moc"
