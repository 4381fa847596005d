#pragma once

#include <array>

#include "model/language.h"

class QAction;
class QMenu;
class QWidget;

namespace talvo {

// The operations on whole channels of the grid.
enum class ChannelOp { Cut, Copy, Paste, Delete, Insert, DeleteMoveUp, MoveUp, MoveDown };
inline constexpr int kChannelOpCount = 8;

// One action per channel operation, with its keys and its texts in both languages. The grid
// holds them, so their keys work while the grid has the keyboard (and not while a cell's
// editor has it: Ctrl+C there copies text); the Edit menu and the grid's context menu show
// the same actions.
class ChannelActions {
  public:
    explicit ChannelActions(QWidget* grid);

    QAction* action(ChannelOp op) const { return actions_[static_cast<std::size_t>(op)]; }
    // Adds every action to `menu`, in groups behind separators.
    void addTo(QMenu* menu) const;
    void applyLanguage(Language lang);

  private:
    std::array<QAction*, kChannelOpCount> actions_{};
};

}  // namespace talvo
