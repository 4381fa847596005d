// The language procedure of the main window and the order in which it visits every window.
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>

#include "app/about_window.h"
#include "app/band_combo.h"
#include "app/main_texts.h"
#include "app/main_window.h"
#include "app/toolkit_translations.h"
#include "app/writing_window.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "lang/catalogue.h"

namespace talvo {

void MainWindow::applyMainTexts(LanguageFlagValue lang) {
    if (!IsKnownLanguage(lang)) return;
    for (const MainText& t : MainWindowTexts()) {
        const QString text = Tr(t.text, lang);
        switch (t.target) {
            case MainTextTarget::WindowTitle:
                baseTitle_ = text;
                break;
            case MainTextTarget::StatusPanel2:
                panel2_->setText(text.trimmed());
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
    applyExchangeTexts(lang);
    placeLists(lang);
    titleLanguage_ = lang;
    updateTitle();
    applyHistoryTexts();
}

void MainWindow::placeLists(LanguageFlagValue lang) {
    for (const ListPlacement& p : MainListPlacements()) {
        QComboBox* list =
            QLatin1String(p.object) == QLatin1String("Combo1") ? bandList_ : portList_;
        const int left = (lang == kChinese ? p.zhLeft : p.enLeft) / kTwipsPerPixel;
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
    const LanguageFlagValue lang = state_.LanguageFlag;
    if (!IsKnownLanguage(lang)) return;
    UseToolkitLanguage(lang);
    applyMainTexts(lang);
    channel_->applyLanguage();
    dtmf_->applyLanguage();
    options_->applyLanguage();
    debug_->applyLanguage();
    fm_->applyLanguage();
    about_->applyLanguage(lang);
    writing_->applyLanguage(lang);
}

}  // namespace talvo
