#include "editors/channels/grid_tools.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>
#include <map>

#include "editors/channels/channel_filter_bar.h"
#include "editors/channels/channel_table_window.h"
#include "editors/channels/column_value_dialog.h"
#include "editors/channels/fill_series_dialog.h"
#include "editors/channels/grid_tool_texts.h"
#include "lang/catalogue.h"
#include "rules/channel_filter.h"
#include "ui/local_msgbox.h"
#include "ui/menu_toggles.h"

namespace talvo {
namespace {

struct ToolSpec {
    const char* objectName;
    Text text;  // none for the column edit, whose text names the column
    QKeySequence key;
};

// Ctrl+F and Ctrl+A belong to the FM window and About; the tools take keys of their own.
const std::array<ToolSpec, ChannelGridTools::kToolCount>& Specs() {
    static const std::array<ToolSpec, ChannelGridTools::kToolCount> specs = {{
        {"MNChSortUp", TALVO_TEXT("GridTools", "Sort by This Column, Ascending(&A)"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)},
        {"MNChSortDown", TALVO_TEXT("GridTools", "Sort by This Column, Descending(&D)"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)},
        {"MNChFind", TALVO_TEXT("GridTools", "Find Channels(&F)…"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)},
        {"MNChFindNext", TALVO_TEXT("GridTools", "Find Next(&N)"), QKeySequence(Qt::Key_F3)},
        {"MNChFindPrev", TALVO_TEXT("GridTools", "Find Previous(&R)"),
         QKeySequence(Qt::SHIFT | Qt::Key_F3)},
        {"MNChChooseAll", TALVO_TEXT("GridTools", "Choose All Channels(&A)"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)},
        {"MNChSetColumn", Text{}, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"MNChFill", TALVO_TEXT("GridTools", "Fill Series(&G)…"),
         QKeySequence(Qt::CTRL | Qt::Key_L)},
    }};
    return specs;
}

Message SortLabel(int column, SortOrder order) {
    const Text& header = ColumnHeader(column);
    return Message(order == SortOrder::Ascending
                       ? TALVO_TEXT("GridTools", "Sort channels by %1, ascending")
                       : TALVO_TEXT("GridTools", "Sort channels by %1, descending"),
                   {header});
}

}  // namespace

ChannelGridTools::ChannelGridTools(ChannelTableWindow& window) : QObject(&window), window_(window) {
    build();
    applyLanguage(kChinese);
}

void ChannelGridTools::build() {
    QTableWidget* grid = window_.grid_;
    for (int i = 0; i < kToolCount; ++i) {
        const ToolSpec& spec = Specs()[static_cast<std::size_t>(i)];
        auto* action = new QAction(grid);
        action->setObjectName(QLatin1String(spec.objectName));
        action->setShortcut(spec.key);
        action->setShortcutContext(Qt::WidgetShortcut);
        grid->addAction(action);
        actions_[static_cast<std::size_t>(i)] = action;
    }
    auto current = [this] { return std::max(window_.grid_->currentColumn(), int{kColRxFreq}); };
    connect(actions_[SortUp], &QAction::triggered, this,
            [this, current] { sortChannels(current(), SortOrder::Ascending); });
    connect(actions_[SortDown], &QAction::triggered, this,
            [this, current] { sortChannels(current(), SortOrder::Descending); });
    connect(actions_[Find], &QAction::triggered, this, [this] { bar_->open(); });
    connect(actions_[FindNext], &QAction::triggered, this, [this] { findStep(true); });
    connect(actions_[FindPrevious], &QAction::triggered, this, [this] { findStep(false); });
    connect(actions_[ChooseAll], &QAction::triggered, this, &ChannelGridTools::chooseAll);
    connect(actions_[SetColumn], &QAction::triggered, this, &ChannelGridTools::runSetColumn);
    connect(actions_[Fill], &QAction::triggered, this, &ChannelGridTools::runFill);

    sortMenu_ = new QMenu(&window_);
    sortMenu_->setObjectName(QStringLiteral("MNChSortMenu"));
    sortMenu_->menuAction()->setObjectName(QStringLiteral("MNChSort"));
    sortMenu_->addAction(actions_[SortUp]);
    sortMenu_->addAction(actions_[SortDown]);
    sortMenu_->addSeparator();
    for (std::size_t i = 0; i < sortBy_.size(); ++i) {
        const int column = ChannelFields()[i].column;
        QAction* by = sortMenu_->addAction(QString());
        by->setObjectName(QStringLiteral("MNChSortBy%1").arg(column));
        connect(by, &QAction::triggered, this, [this, column] {
            sortChannels(column,
                         ascending_->isChecked() ? SortOrder::Ascending : SortOrder::Descending);
        });
        sortBy_[i] = by;
    }
    sortMenu_->addSeparator();
    auto* direction = new QActionGroup(sortMenu_);
    ascending_ = sortMenu_->addAction(QString());
    ascending_->setObjectName(QStringLiteral("MNChSortAscending"));
    descending_ = sortMenu_->addAction(QString());
    descending_->setObjectName(QStringLiteral("MNChSortDescending"));
    for (QAction* a : {ascending_, descending_}) {
        a->setCheckable(true);
        direction->addAction(a);
    }
    ascending_->setChecked(true);
    KeepOpenOnToggles(sortMenu_, {ascending_, descending_});

    bar_ = new ChannelFilterBar(&window_);
    if (auto* column = qobject_cast<QBoxLayout*>(window_.layout())) column->insertWidget(0, bar_);
    // The tools for many channels work from the box too, on the channels found.
    bar_->takeKeysOf({actions_[SortUp], actions_[SortDown], actions_[ChooseAll],
                      actions_[SetColumn], actions_[Fill]});
    connect(bar_, &ChannelFilterBar::textChanged, this, &ChannelGridTools::setFilterText);
    connect(bar_, &ChannelFilterBar::step, this, &ChannelGridTools::findStep);
    connect(bar_, &ChannelFilterBar::leaveToGrid, this,
            [this] { window_.grid_->setFocus(Qt::OtherFocusReason); });
    connect(bar_, &ChannelFilterBar::closed, this, [this] {
        setFilterText(QString());
        window_.grid_->setFocus(Qt::OtherFocusReason);
    });

    connect(grid, &QTableWidget::currentCellChanged, this, &ChannelGridTools::updateColumnTexts);
    Document& document = window_.document_;
    connect(&document, &Document::channelsChanged, this, [this] { refilter(); });
    connect(&document, &Document::stateReplaced, this, [this] { refilter(); });
}

void ChannelGridTools::addTo(QMenu* menu) {
    menu->addSeparator()->setObjectName(QStringLiteral("MNChToolsLine"));
    menu->addMenu(sortMenu_);
    menu->addAction(actions_[Find]);
    menu->addAction(actions_[FindNext]);
    menu->addAction(actions_[FindPrevious]);
    menu->addAction(actions_[ChooseAll]);
    menu->addAction(actions_[SetColumn]);
    menu->addAction(actions_[Fill]);
}

void ChannelGridTools::applyLanguage(Language lang) {
    if (!IsKnownLanguage(lang)) return;
    lang_ = lang;
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const ToolSpec& spec = Specs()[i];
        if (*spec.text.source) actions_[i]->setText(Tr(spec.text, lang));
    }
    sortMenu_->setTitle(Tr(TALVO_TEXT("GridTools", "Sort Channels(&S)"), lang));
    for (std::size_t i = 0; i < sortBy_.size(); ++i) {
        sortBy_[i]->setText((Tr(TALVO_TEXT("GridTools", "By %1"), lang))
                                .arg(ColumnWord(ChannelFields()[i].column, lang)));
    }
    ascending_->setText(Tr(TALVO_TEXT("GridTools", "Ascending"), lang));
    descending_->setText(Tr(TALVO_TEXT("GridTools", "Descending"), lang));
    bar_->applyLanguage(lang);
    updateColumnTexts();
}

void ChannelGridTools::updateColumnTexts() {
    const int column = std::max(window_.grid_->currentColumn(), int{kColRxFreq});
    const QString word = ColumnWord(column, lang_);
    actions_[SetColumn]->setText(
        Tr(TALVO_TEXT("GridTools", "Set %1 of Chosen Channels(&K)…"), lang_).arg(word));
}

ChannelList ChannelGridTools::commandChannels(bool fromBox) {
    window_.closeEditor(true);
    // From the find box, with nothing chosen, a command is for the channels found.
    if (fromBox && window_.selection_.empty()) return window_.shownChannels();
    return window_.operationChannels();
}

void ChannelGridTools::sortChannels(int column, SortOrder order) {
    const bool fromBox = bar_->box()->hasFocus();
    window_.closeEditor(true);
    const ChannelList chosen =
        window_.selection_.empty() ? ChannelList{} : window_.operationChannels();
    const ChannelList places = SortPlaces(chosen, window_.shownChannels());
    ChannelStores after = window_.state_.channels;
    if (SortChannels(after, places, column, order)) {
        window_.commitChannels(SortLabel(column, order), std::move(after));
    }
    returnFocus(fromBox);
}

void ChannelGridTools::returnFocus(bool toBox) {
    if (toBox && bar_->isVisible()) {
        bar_->box()->setFocus(Qt::OtherFocusReason);
    } else {
        window_.grid_->setFocus(Qt::OtherFocusReason);
    }
}

ColumnEditResult ChannelGridTools::setColumn(const ColumnValue& value) {
    return setColumnOf(commandChannels(), value);
}

ColumnEditResult ChannelGridTools::setColumnOf(const ChannelList& channels,
                                               const ColumnValue& value) {
    const ProgramState& state = window_.state_;
    ChannelStores after = state.channels;
    ColumnEditResult result = ApplyColumnValue(after, state.band, channels, value);
    if (!result.changed.empty()) {
        const Text& header = ColumnHeader(value.column);
        const Text label =
            TALVO_PLURAL("GridTools", "Set %1 of %n channels", "Set %1 of %n channel");
        window_.commitChannels(Message(Counted(label, static_cast<int>(channels.size())), {header}),
                               std::move(after));
    }
    return result;
}

void ChannelGridTools::runSetColumn() {
    const bool fromBox = bar_->box()->hasFocus();
    const ChannelList channels = commandChannels(fromBox);
    if (channels.empty()) return;
    const ProgramState& state = window_.state_;
    const int channel = std::max(window_.grid_->currentRow(), 0) + 1;
    ColumnValue start;
    start.column = std::max(window_.grid_->currentColumn(), int{kColRxFreq});
    const Channel& current = state.channels.at(channel);
    switch (FieldOfColumn(start.column)->kind) {
        case FieldKind::Name:
            start.text = current.name;
            break;
        case FieldKind::Frequency:
            start.text = FrequencyText(start.column == kColRxFreq ? current.rx : current.tx);
            break;
        case FieldKind::Tone:
        case FieldKind::List:
            start.index = current.optionOf(start.column);
            break;
    }
    ColumnValueDialog dialog(state.language, static_cast<int>(channels.size()), start, &window_);
    if (dialog.exec() == QDialog::Accepted) {
        const ColumnValue value = dialog.value();
        reportRefusals(value, setColumnOf(channels, value));
    }
    returnFocus(fromBox);
}

void ChannelGridTools::reportRefusals(const ColumnValue& value, const ColumnEditResult& result) {
    const Language lang = window_.state_.language;
    QStringList lines;
    for (const Message& line : ColumnEditReport(value, result)) lines << Tr(line, lang);
    if (lines.isEmpty()) return;
    LocalMsgBox(lang, lines.join(QLatin1Char('\n')), StyleOk, QString(), &window_);
}

void ChannelGridTools::runFill() {
    const bool fromBox = bar_->box()->hasFocus();
    const ChannelList channels = commandChannels(fromBox);
    if (channels.empty()) return;
    const ProgramState& state = window_.state_;
    FillSeriesDialog dialog(state.language, state.channels, state.band, channels, &window_);
    if (dialog.exec() == QDialog::Accepted) fill(dialog.plan());
    returnFocus(fromBox);
}

void ChannelGridTools::fill(const FillPlan& plan) {
    const ProgramState& state = window_.state_;
    ChannelStores after = state.channels;
    const ChannelList changed = ApplyFill(after, state.band, plan);
    if (changed.empty()) return;
    window_.commitChannels(TALVO_TEXT("GridTools", "Fill series"), std::move(after));
}

void ChannelGridTools::chooseAll() {
    window_.closeEditor(true);
    window_.selection_.set(window_.shownChannels());
    window_.selectionChanged();
}

void ChannelGridTools::setFilterText(const QString& text) {
    if (text == filter_) return;
    filter_ = text;
    refilter(true);
}

void ChannelGridTools::refilter(bool strict) {
    QTableWidget* grid = window_.grid_;
    const ChannelList found = ChannelsShowingText(window_.state_.channels, filter_.toStdString(),
                                                  WordsIn(window_.state_.language));
    shown_ = static_cast<int>(found.size());
    const int current = grid->currentRow();
    std::size_t next = 0;
    for (int row = 0; row < kChannelCount; ++row) {
        const bool match = next < found.size() && found[next] == row + 1;
        if (match) ++next;
        const bool show = match || (!strict && row == current);
        if (grid->isRowHidden(row) == show) grid->setRowHidden(row, !show);
    }
    if (strict && !found.empty() && (current < 0 || grid->isRowHidden(current))) {
        window_.setCurrentChannel(found.front());
    }
    bar_->showCount(shown_, 0);
}

void ChannelGridTools::findStep(bool forward) {
    if (filter_.trimmed().isEmpty()) {
        bar_->open();
        return;
    }
    const ChannelList found = ChannelsShowingText(window_.state_.channels, filter_.toStdString(),
                                                  WordsIn(window_.state_.language));
    if (found.empty()) return;
    const int current = window_.grid_->currentRow() + 1;
    auto at = std::upper_bound(found.begin(), found.end(), current);
    if (!forward) {
        at = std::lower_bound(found.begin(), found.end(), current);
        at = at == found.begin() ? found.end() - 1 : at - 1;
    } else if (at == found.end()) {
        at = found.begin();
    }
    window_.setCurrentChannel(*at);
    bar_->showCount(shown_, static_cast<int>(at - found.begin()) + 1);
}

}  // namespace talvo
