// The channel table window over a fresh program state, shared by the channel window tests.
#pragma once

#include <QApplication>
#include <QObject>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <vector>

#include "../unit/image_samples.h"
#include "document/edit_labels.h"
#include "editors/channels/channel_table_window.h"
#include "lang/catalogue.h"
#include "radio/codecs/decode.h"
#include "radio/state/program_state.h"
#include "radio/state/state_parts.h"
#include "support/user_input.h"

namespace talvo::testing {

class ChannelTableFixture : public QObject {
  protected:
    std::unique_ptr<Document> document_;
    // The document's state, for what the tests set up directly.
    ProgramState* state_ = nullptr;
    std::unique_ptr<ChannelTableWindow> window_;
    QTableWidget* grid_ = nullptr;

    // A new window over the start-up state in `lang`, captioned, shown and active.
    void open(Language lang) {
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

    // Screen point of the middle of (ch, col), scrolled into view.
    QPoint at(int ch, int col) {
        QTableWidgetItem* item = grid_->item(ch - 1, col);
        grid_->scrollToItem(item);
        return grid_->viewport()->mapToGlobal(grid_->visualItemRect(item).center());
    }

    // A key to whatever has the keyboard; after a message box the window manager makes the
    // window active again first.
    void key(int k, Qt::KeyboardModifiers mods = {}) {
        if (!QApplication::activeWindow()) {
            window_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        }
        QVERIFY(UserKey(k, mods));
    }

    // A random image loaded as a Read would load it, with no step to undo.
    void loadRandom(unsigned seed) {
        ProgramState loaded = document_->state();
        loaded.RadioImage = samples::ValidImageMaker(seed).make();
        DecodeImage(loaded);
        document_->loadState(ReadLabel(), loaded);
        document_->undoStack().clear();
    }

    // The channel records, to compare whole channels after a command.
    std::vector<ChannelRecord> records() const {
        std::vector<ChannelRecord> out;
        for (int ch = 1; ch <= kChannelCount; ++ch)
            out.push_back(TakeChannel(state_->channels, ch));
        return out;
    }

    // The channels whose rows the grid shows.
    ChannelList shownChannels() const {
        ChannelList shown;
        for (int row = 0; row < kChannelCount; ++row) {
            if (!grid_->isRowHidden(row)) shown.push_back(row + 1);
        }
        return shown;
    }
};

}  // namespace talvo::testing
