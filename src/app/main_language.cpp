// The language procedure: the main window's own texts, and the switch that every window follows.
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>

#include "app/band_combo.h"
#include "app/exchange_commands.h"
#include "app/main_texts.h"
#include "app/main_window.h"
#include "app/port_chooser.h"
#include "app/toolkit_translations.h"
#include "lang/catalogue.h"
#include "ui/language_change.h"

namespace talvo {

void MainWindow::applyMainTexts(Language lang) {
    if (!IsKnownLanguage(lang)) return;
    for (const MainText& t : MainWindowTexts()) {
        const QString text = Tr(t.text, lang);
        switch (t.target) {
            case MainTextTarget::WindowTitle:
                baseTitle_ = text;
                break;
            case MainTextTarget::StatusPanel2:
                makerPanel_->setText(text.trimmed());
                break;
            case MainTextTarget::Label:
                bandLabel_->setText(text);
                break;
            case MainTextTarget::MenuText:
                if (QAction* a = action(t.object)) a->setText(text);
                break;
            case MainTextTarget::ToolTip:
                if (QAction* a = action(t.object)) a->setToolTip(text);
                break;
        }
    }
    exchange_->applyLanguage(lang);
    if (ports_) ports_->applyLanguage(lang);
    placeLists(lang);
    titleLanguage_ = lang;
    updateTitle();
    applyHistoryTexts();
}

void MainWindow::placeLists(Language lang) {
    for (const ListPlacement& p : MainListPlacements()) {
        QComboBox* list =
            QLatin1String(p.object) == QLatin1String("bandList") ? bandList_ : portList_;
        const int left = p.left.at(lang == kChinese ? 0 : 1) / kTwipsPerPixel;
        list->setGeometry(left, p.top / kTwipsPerPixel, p.width / kTwipsPerPixel,
                          list->sizeHint().height());
    }
    // The label keeps to the room left of the band list, with a smaller font if it must.
    const int room = bandList_->x() - 6;
    QFont f = font();
    while (QFontMetrics(f).horizontalAdvance(bandLabel_->text()) > room && f.pointSizeF() > 6) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    bandLabel_->setFont(f);
    bandLabel_->adjustSize();
    bandLabel_->move(3, bandList_->geometry().center().y() - bandLabel_->height() / 2);
}

void MainWindow::ApplyLanguage() {
    const Language lang = state_.language;
    if (!IsKnownLanguage(lang)) return;
    UseToolkitLanguage(lang);
    // Every window writes its own texts on the event: this one first, then its children in the
    // order they were made (the editor windows channel table, DTMF, optional features, debug,
    // FM; then About and the progress window), and any dialog open at the time.
    AnnounceLanguage(lang);
    // Whatever needs every window's new texts goes after this line.
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) applyMainTexts(state_.language);
    QMainWindow::changeEvent(event);
}

}  // namespace talvo
