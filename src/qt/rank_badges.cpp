#include "qt/rank_badges.h"

#include <QFont>
#include <QPainter>

namespace quvolo::qt {
namespace {

constexpr int kWidth = 26;
constexpr int kHeight = 16;

QColor badge_colour(int place) {
    switch (place) {
        case 1:
            return QColor(0xE0, 0x3C, 0x31);
        case 2:
            return QColor(0xF0, 0x8A, 0x24);
        case 3:
            return QColor(0xE8, 0xB9, 0x1E);
        default:
            return QColor(0x9A, 0xA5, 0xB1);
    }
}

QPixmap draw_badge(int place) {
    QPixmap badge(kWidth, kHeight);
    badge.fill(Qt::transparent);
    QPainter painter(&badge);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(badge_colour(place));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, kWidth, kHeight), Qt::AlignCenter, QString::number(place));
    return badge;
}

}  // namespace

std::vector<QPixmap> rank_badges(int count) {
    std::vector<QPixmap> badges;
    for (int place = 1; place <= count; ++place) {
        badges.push_back(draw_badge(place));
    }
    return badges;
}

}  // namespace quvolo::qt
