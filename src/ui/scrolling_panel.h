#pragma once

class QScrollArea;
class QWidget;

namespace talvo {

// Puts `panel` (a fixed-size client panel holding every control of `window`) into a scroll
// area that fills `window`: when the window is smaller than the panel, scroll bars move the
// panel; when it grows large enough, the bar goes away and the panel returns to 0 on that axis.
// `verticalStep` is the vertical bar's small change in pixels.
QScrollArea* WrapInScrollingPanel(QWidget* window, QWidget* panel, int verticalStep);

}  // namespace talvo
