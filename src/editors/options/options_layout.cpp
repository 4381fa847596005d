#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <variant>
#include <vector>

#include "editors/options/options_window.h"
#include "editors/options/window_support.h"
#include "lang/catalogue.h"

namespace talvo {
namespace {

using Field = std::variant<ListId, TextId>;

// The rows of the function-settings page, top to bottom, per column.
const std::vector<Field>& RightColumn() {
    static const std::vector<Field> rows = {TextId::AChannelNumber,
                                            TextId::BChannelNumber,
                                            ListId::SquelchLevel,
                                            ListId::BatterySave,
                                            ListId::TimeOutTimer,
                                            ListId::RogerBeep,
                                            ListId::MainChannel,
                                            ListId::BacklightMode,
                                            ListId::PowerOnPassword,
                                            TextId::DisplayCharacter,
                                            TextId::PowerOnPasswordDigits,
                                            ListId::DualStandby,
                                            ListId::MemoryChannelDisplayMode};
    return rows;
}

std::vector<Field> ListsOf(OptionsArea area) {
    std::vector<Field> rows;
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        if (Info(id).area == area) rows.emplace_back(id);
    }
    return rows;
}

std::vector<Field> VfoRows(int group) {
    std::vector<Field> rows;
    if (group == 0) {
        rows = {TextId::AVfoFrequency, TextId::AVfoOffsetData};
    } else {
        rows = {TextId::BVfoFrequency, TextId::BVfoOffsetData};
    }
    for (const Field& f : ListsOf(group == 0 ? OptionsArea::VfoA : OptionsArea::VfoB)) {
        rows.push_back(f);
    }
    return rows;
}

// The fields of `grid` that take the keyboard, as the screen shows them: row by row, and left
// to right within a row.
std::vector<QWidget*> ScreenOrder(const QGridLayout* grid) {
    std::vector<std::tuple<int, int, QWidget*>> cells;
    for (int i = 0; i < grid->count(); ++i) {
        QWidget* widget = grid->itemAt(i)->widget();
        if (!widget || widget->focusPolicy() == Qt::NoFocus) continue;
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        cells.emplace_back(row, column, widget);
    }
    std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    std::vector<QWidget*> order;
    for (const auto& cell : cells) order.push_back(std::get<2>(cell));
    return order;
}

}  // namespace

void OptionsWindow::layoutWindow() {
    const OptionsCaptions& c = OptionsWindowCaptions();
    const Language lang = CreationLanguage(state_.language);

    // Puts caption and field of each row into two columns of `grid` starting at `column`.
    auto place = [this](QGridLayout* grid, const std::vector<Field>& rows, int column) {
        int row = 0;
        for (const Field& f : rows) {
            QLabel* label = std::holds_alternative<ListId>(f) ? caption(std::get<ListId>(f))
                                                              : caption(std::get<TextId>(f));
            QWidget* field = std::holds_alternative<ListId>(f)
                                 ? static_cast<QWidget*>(list(std::get<ListId>(f)))
                                 : static_cast<QWidget*>(text(std::get<TextId>(f)));
            grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(field, row, column + 1);
            label->setVisible(!field->isHidden());
            ++row;
        }
    };

    voxFrame_ = new QGroupBox(Tr(c.frameVox, lang), this);
    auto* voxGrid = new QGridLayout(voxFrame_);
    int column = 0;
    for (const Field& f : ListsOf(OptionsArea::Vox)) {
        const ListId id = std::get<ListId>(f);
        voxGrid->addWidget(caption(id), 0, column++, Qt::AlignRight | Qt::AlignVCenter);
        voxGrid->addWidget(list(id), 0, column++);
    }
    voxGrid->addWidget(check(CheckId::AllowToCancelOperating), 1, 0, 1, 2);
    voxGrid->addWidget(check(CheckId::ProhibitVoxInReceiving), 1, 2, 1, 2);

    functionFrame_ = new QGroupBox(Tr(c.frameFunction, lang), this);
    auto* functionGrid = new QGridLayout(functionFrame_);
    functionGrid->setHorizontalSpacing(8);
    place(functionGrid, ListsOf(OptionsArea::FunctionLeft), 0);
    place(functionGrid, RightColumn(), 2);
    functionGrid->addWidget(pronunciationCaption_, 13, 0);
    functionGrid->setColumnMinimumWidth(1, 120);
    functionGrid->setColumnMinimumWidth(3, 120);
    // Room the window has to spare goes to both field columns alike.
    functionGrid->setColumnStretch(1, 1);
    functionGrid->setColumnStretch(3, 1);
    // Thirteen rows: a tight row spacing keeps the window inside the main window's client area.
    functionGrid->setVerticalSpacing(3);

    vfoAFrame_ = new QGroupBox(Tr(c.frameVfoA, lang), this);
    auto* vfoAGrid = new QGridLayout(vfoAFrame_);
    place(vfoAGrid, VfoRows(0), 0);
    // Fields of the A group that are not shown.
    int hiddenRow = vfoAGrid->rowCount();
    for (const Field& f : ListsOf(OptionsArea::HiddenA)) {
        const ListId id = std::get<ListId>(f);
        vfoAGrid->addWidget(caption(id), hiddenRow, 0);
        vfoAGrid->addWidget(list(id), hiddenRow++, 1);
        caption(id)->setVisible(false);
    }

    vfoBFrame_ = new QGroupBox(Tr(c.frameVfoB, lang), this);
    auto* vfoBGrid = new QGridLayout(vfoBFrame_);
    place(vfoBGrid, VfoRows(1), 0);
    vfoBGrid->setRowStretch(vfoBGrid->rowCount(), 1);

    auto* pages = new QHBoxLayout;
    pages->addWidget(pageFunction_);
    pages->addWidget(pageVfo_);
    pages->addStretch(1);

    auto* vfoRow = new QHBoxLayout;
    vfoRow->addWidget(vfoAFrame_, 1, Qt::AlignTop);
    vfoRow->addWidget(vfoBFrame_, 1, Qt::AlignTop);

    auto* main = new QVBoxLayout(this);
    main->addWidget(voxFrame_);
    main->addLayout(pages);
    main->addWidget(functionFrame_);
    main->addLayout(vfoRow);
    main->addStretch(1);
    resize(Twips(9600), Twips(7350));

    // Tab follows the screen, not the order the fields were made in: the VOX frame, the page
    // choice, then the frames of the page shown (hidden fields are passed over).
    std::vector<QWidget*> chain = ScreenOrder(voxGrid);
    chain.push_back(pageFunction_);
    chain.push_back(pageVfo_);
    for (const QGridLayout* grid : {functionGrid, vfoAGrid, vfoBGrid}) {
        const std::vector<QWidget*> fields = ScreenOrder(grid);
        chain.insert(chain.end(), fields.begin(), fields.end());
    }
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
}

}  // namespace talvo
