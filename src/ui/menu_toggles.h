#pragma once

#include <QList>

class QAction;
class QMenu;

namespace talvo {

// A click, Enter or Space on one of the checkable entries `toggles` of `menu` ticks it and leaves
// the menu open, so that a setting such as a sort direction is chosen on the way to the entry
// that uses it, in one trip through the menu.
void KeepOpenOnToggles(QMenu* menu, const QList<QAction*>& toggles);

}  // namespace talvo
