// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/desktop_looks.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace tovimar::testing {
namespace {

QColor over(const QColor& top, const QColor& below) {
    const double a = top.alphaF();
    return QColor::fromRgbF(float(top.redF() * a + below.redF() * (1 - a)),
                            float(top.greenF() * a + below.greenF() * (1 - a)),
                            float(top.blueF() * a + below.blueF() * (1 - a)));
}

QPalette darkPalette() {
    // The dark palette desktops commonly give Qt programs.
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xf0, 0xf0, 0xf0);
    const QColor disabled(0x80, 0x80, 0x80);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    p.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(0xff, 0x60, 0x60));
    p.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    p.setColor(QPalette::Midlight, QColor(0x45, 0x45, 0x45));
    p.setColor(QPalette::Mid, QColor(0x28, 0x28, 0x28));
    p.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::Shadow, QColor(0x10, 0x10, 0x10));
    p.setColor(QPalette::Link, QColor(0x7a, 0xb8, 0xff));
    p.setColor(QPalette::LinkVisited, QColor(0xc0, 0x9a, 0xff));
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x6c, 0xb8));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

} // namespace

QString lookName(Look look) {
    return look == Look::Dark ? QStringLiteral("sombre") : QStringLiteral("clair");
}

QPalette lookPalette(Look look) {
    if (look == Look::Dark) return darkPalette();
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    const QPalette light = fusion->standardPalette();
    delete fusion;
    return light;
}

void useLook(Look look) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(lookPalette(look));
}

QColor drawnBehind(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->autoFillBackground() && !w->isWindow()) continue;
        const QColor fill = w->palette().color(w->backgroundRole());
        if (fill.alpha() == 255 || w->isWindow() || !w->parentWidget()) return fill;
        return over(fill, drawnBehind(w->parentWidget()));
    }
    return widget->palette().color(QPalette::Window);
}

} // namespace tovimar::testing
