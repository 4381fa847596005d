#include "ui/scrolling_panel.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace talvo {

QScrollArea* WrapInScrollingPanel(QWidget* window, QWidget* panel, int verticalStep) {
    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("clientScroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setWidget(panel);
    // An arrow of the vertical bar moves `verticalStep`, one of the horizontal bar one pixel.
    area->verticalScrollBar()->setSingleStep(verticalStep);
    area->horizontalScrollBar()->setSingleStep(1);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(area);
    return area;
}

}  // namespace talvo
