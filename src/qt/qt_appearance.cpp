#include "qt/qt_appearance.h"

#include <QApplication>
#include <QThread>
#include <algorithm>

namespace quvolo::qt {
namespace {

// Greys have no hue to turn; they take a light tint of this base hue (a calm blue), turned
// like every other colour. The tint grows with the second value.
constexpr int kBaseHue = 210;
constexpr int kGreyTint = 28;

QColor turned(const QColor& colour, int hue, int second, bool tint_greys) {
    const QColor hsv = colour.toHsv();
    const int saturation_scale = 100 + second;
    int new_hue = hsv.hsvHue();
    int saturation = hsv.hsvSaturation();
    if (new_hue < 0) {
        if (!tint_greys) {
            return colour;
        }
        new_hue = kBaseHue;
        saturation = kGreyTint;
    }
    new_hue = ((new_hue + hue) % 360 + 360) % 360;
    saturation = std::clamp(saturation * saturation_scale / 100, 0, 255);
    return QColor::fromHsv(new_hue, saturation, hsv.value(), hsv.alpha());
}

}  // namespace

QPalette tinted_palette(const QPalette& original, int hue, int second) {
    hue = std::clamp(hue, -180, 180);
    second = std::clamp(second, -100, 100);
    // Surfaces take the tint; text keeps its grey so it stays as readable as before.
    const QPalette::ColorRole surfaces[] = {
        QPalette::Window,     QPalette::Button, QPalette::Base,     QPalette::AlternateBase,
        QPalette::Highlight,  QPalette::Light,  QPalette::Midlight, QPalette::Mid,
        QPalette::Dark,       QPalette::Shadow, QPalette::Link,     QPalette::LinkVisited,
        QPalette::ToolTipBase};
    QPalette palette = original;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        const auto colour_group = static_cast<QPalette::ColorGroup>(group);
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colour_role = static_cast<QPalette::ColorRole>(role);
            const bool surface = std::find(std::begin(surfaces), std::end(surfaces), colour_role) !=
                                 std::end(surfaces);
            // The base of lists stays nearly white: only half the tint.
            const int strength = colour_role == QPalette::Base ? (second - 100) / 2 : second;
            palette.setColor(
                colour_group, colour_role,
                turned(original.color(colour_group, colour_role), hue, strength, surface));
        }
    }
    return palette;
}

QtAppearance::QtAppearance() : original_(QApplication::palette()) {}

void QtAppearance::adjust_hue(int hue, int second) {
    auto apply = [this, hue, second] {
        QApplication::setPalette(tinted_palette(original_, hue, second));
    };
    if (QThread::currentThread() == window_.thread()) {
        apply();
    } else {
        window_.post(apply);
    }
}

}  // namespace quvolo::qt
