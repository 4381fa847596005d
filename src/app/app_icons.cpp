#include "app/app_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace talvo {
namespace {

// A handheld radio: body, antenna and display.
void DrawRadio(QPainter& p, int size) {
    const qreal u = size / 32.0;
    p.setPen(QPen(QColor(30, 30, 30), 1.5 * u));
    p.setBrush(QColor(40, 70, 120));
    p.drawRoundedRect(QRectF(9 * u, 9 * u, 14 * u, 21 * u), 2.5 * u, 2.5 * u);
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(19 * u, 2 * u, 2.5 * u, 7 * u));
    p.setBrush(QColor(170, 230, 170));
    p.drawRect(QRectF(11.5 * u, 12 * u, 9 * u, 5 * u));
    p.setBrush(QColor(200, 200, 200));
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            p.drawEllipse(QRectF((11.5 + c * 3.2) * u, (20 + r * 4) * u, 2.4 * u, 2.4 * u));
        }
    }
}

// An arrow between the computer and the radio: down for a read, up for a write.
void DrawArrow(QPainter& p, int size, bool down, const QColor& color) {
    const qreal u = size / 32.0;
    QPainterPath path;
    if (down) {
        path.moveTo(4 * u, 14 * u);
        path.lineTo(10 * u, 24 * u);
        path.lineTo(16 * u, 14 * u);
    } else {
        path.moveTo(4 * u, 20 * u);
        path.lineTo(10 * u, 10 * u);
        path.lineTo(16 * u, 20 * u);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
    p.drawRect(QRectF(8 * u, (down ? 6 : 20) * u, 4 * u, 8 * u));
}

void DrawLetter(QPainter& p, int size, const QString& letter, const QColor& color) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(size * 5 / 8);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, letter);
}

QPixmap Draw(AppIcon which, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
        case AppIcon::Program:
            DrawRadio(p, size);
            break;
        case AppIcon::Read:
            p.translate(size * 0.25, 0);
            DrawRadio(p, size * 3 / 4);
            p.resetTransform();
            DrawArrow(p, size, true, QColor(20, 140, 40));
            break;
        case AppIcon::Write:
            p.translate(size * 0.25, 0);
            DrawRadio(p, size * 3 / 4);
            p.resetTransform();
            DrawArrow(p, size, false, QColor(190, 60, 20));
            break;
        case AppIcon::AnMa:
            DrawLetter(p, size, QStringLiteral("A"), QColor(120, 60, 160));
            break;
        case AppIcon::Debug:
            DrawLetter(p, size, QStringLiteral("D"), QColor(180, 40, 40));
            break;
        case AppIcon::FmMa:
            DrawLetter(p, size, QStringLiteral("F"), QColor(30, 120, 150));
            break;
    }
    return pm;
}

}  // namespace

QIcon MakeIcon(AppIcon which) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) icon.addPixmap(Draw(which, size));
    return icon;
}

}  // namespace talvo
