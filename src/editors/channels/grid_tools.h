#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "model/language.h"
#include "radio/fields/channel_fields.h"
#include "rules/channel_fill.h"
#include "rules/channel_sort.h"
#include "rules/column_edit.h"

class QAction;
class QActionGroup;
class QMenu;

namespace talvo {

class ChannelFilterBar;
class ChannelTableWindow;

// The channel grid's tools for many channels at once: sort, find and filter, set a column of
// the chosen channels, fill a series. Each change is one step of the document; each acts on
// channel numbers, and never on a row the find box hides. Their entries follow the channel
// operations in the grid's context menu and in the Edit menu, behind a separator; their keys
// work in the grid and in the find box.
class ChannelGridTools : public QObject {
    Q_OBJECT
  public:
    enum Tool {
        SortUp,    // by the current cell's column, ascending
        SortDown,  // ... descending
        Find,      // opens the find box
        FindNext,
        FindPrevious,
        ChooseAll,  // every channel shown
        SetColumn,  // the current column of the chosen channels
        Fill,       // a series over the chosen channels
        kToolCount
    };

    explicit ChannelGridTools(ChannelTableWindow& window);

    QAction* action(Tool tool) const { return actions_[tool]; }
    QMenu* sortMenu() const { return sortMenu_; }
    ChannelFilterBar* filterBar() const { return bar_; }
    // Adds the entries to `menu` behind a separator.
    void addTo(QMenu* menu);
    void applyLanguage(Language lang);

    // The commands, as the entries run them (the dialogs' answers given). With fewer than two
    // channels chosen a sort orders the rows shown, among their places.
    void sortChannels(int column, SortOrder order);
    ColumnEditResult setColumn(const ColumnValue& value);
    void fill(const FillPlan& plan);
    // Shows only the channels whose row holds `text` (all for an empty text).
    void setFilterText(const QString& text);
    // Steps the current cell to the next (or previous) channel shown, wrapping around.
    void findStep(bool forward);
    // Shows again the rows the filter lets through (after the data changed). The current
    // row stays shown unless `strict`, so a row being edited does not vanish under the user.
    void refilter(bool strict = false);
    // Channels the filter lets through (every channel without a filter).
    int shownCount() const { return shown_; }

  private:
    void build();
    void runSetColumn();
    ColumnEditResult setColumnOf(const ChannelList& channels, const ColumnValue& value);
    void runFill();
    void chooseAll();
    void updateColumnTexts();
    // After a command: the keyboard back in the find box when the command came from there.
    void returnFocus(bool toBox);
    // Ends an open cell edit and gives the channels a command acts on.
    ChannelList commandChannels(bool fromBox = false);
    void reportRefusals(const ColumnValue& value, const ColumnEditResult& result);

    ChannelTableWindow& window_;
    std::array<QAction*, kToolCount> actions_{};
    QMenu* sortMenu_ = nullptr;
    std::array<QAction*, kChannelFieldCount> sortBy_{};  // by field, in column order
    QAction* ascending_ = nullptr;
    QAction* descending_ = nullptr;
    ChannelFilterBar* bar_ = nullptr;
    QString filter_;
    int shown_ = 0;
    Language lang_ = kChinese;
};

}  // namespace talvo
