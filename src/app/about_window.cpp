#include "app/about_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <array>

#include "app/app_icons.h"
#include "lang/catalogue.h"
#include "ui/language_change.h"

namespace talvo {
namespace {

constexpr Text kTitle{TALVO_TEXT("AboutWindow", "Help")};
constexpr Text kProduct{TALVO_TEXT("AboutWindow", "TALVO Radio Programming Software")};
constexpr Text kVersion{TALVO_TEXT("AboutWindow", "English edition V1.50")};

constexpr int kFrames = 12;

}  // namespace

RadioWaves::RadioWaves(QWidget* parent) : QWidget(parent) {
    setFixedSize(96, 96);
    timer_.setInterval(120);
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kFrames;
        update();
    });
}

void RadioWaves::showEvent(QShowEvent*) {
    timer_.start();
}
void RadioWaves::hideEvent(QHideEvent*) {
    timer_.stop();
}

void RadioWaves::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPixmap radio = MakeIcon(AppIcon::Program).pixmap(48, 48);
    p.drawPixmap(8, 40, radio);
    // Three arcs leave the antenna one after the other and fade as they grow.
    const QPointF antenna(8 + 30, 40 + 4);
    for (int k = 0; k < 3; ++k) {
        const int phase = (frame_ + k * kFrames / 3) % kFrames;
        const qreal radius = 8 + phase * 4.0;
        QColor c(40, 90, 200);
        c.setAlphaF(1.0 - static_cast<qreal>(phase) / kFrames);
        p.setPen(QPen(c, 2.5));
        p.drawArc(QRectF(antenna.x() - radius, antenna.y() - radius, 2 * radius, 2 * radius),
                  -10 * 16, 100 * 16);
    }
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmAbout");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* waves = new RadioWaves(this);
    lblTitle_ = new QLabel(this);
    lblTitle_->setObjectName("lblTitle");
    QFont f = lblTitle_->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    lblTitle_->setFont(f);
    lblVersion_ = new QLabel(this);
    lblVersion_->setObjectName("lblVersion");

    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(lblTitle_);
    texts->addWidget(lblVersion_);
    texts->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addWidget(waves);
    row->addSpacing(12);
    row->addLayout(texts);
    row->setContentsMargins(16, 16, 24, 16);

    // A click on any part of the window closes it, also on the labels and the picture.
    for (QWidget* w : {static_cast<QWidget*>(waves), static_cast<QWidget*>(lblTitle_),
                       static_cast<QWidget*>(lblVersion_)}) {
        w->installEventFilter(this);
    }
    applyLanguage(WindowLanguage());
}

void AboutWindow::applyLanguage(Language lang) {
    if (!IsKnownLanguage(lang)) return;
    setWindowTitle(Tr(kTitle, lang));
    lblTitle_->setText(Tr(kProduct, lang));
    lblVersion_->setText(Tr(kVersion, lang));
}

void AboutWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) applyLanguage(WindowLanguage());
    QDialog::changeEvent(event);
}

void AboutWindow::mousePressEvent(QMouseEvent*) {
    accept();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace talvo
