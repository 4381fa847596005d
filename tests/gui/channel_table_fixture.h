// The channel table window over a fresh program state, shared by the channel window tests.
#pragma once

#include <QObject>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "editors/channels/channel_table_window.h"
#include "model/program_state.h"

namespace talvo::testing {

class ChannelTableFixture : public QObject {
  protected:
    std::unique_ptr<Document> document_;
    // The document's state, for what the tests set up directly.
    ProgramState* state_ = nullptr;
    std::unique_ptr<ChannelTableWindow> window_;
    QTableWidget* grid_ = nullptr;

    // A new window over the start-up state in `lang`, captioned, shown and active.
    void open(LanguageFlagValue lang) {
        window_.reset();
        document_ = std::make_unique<Document>(StartupState(lang));
        state_ = &document_->sessionState();
        window_ = std::make_unique<ChannelTableWindow>(*document_);
        window_->applyLanguage();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        grid_ = window_->grid();
    }

    // The text the grid shows in (channel, column).
    QString cell(int ch, int col) const { return grid_->item(ch - 1, col)->text(); }
};

}  // namespace talvo::testing
