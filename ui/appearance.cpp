#include "ui/appearance.h"

#include <QApplication>
#include <QStyleFactory>

namespace vormak::ui {

QPalette lightPalette() {
    const QColor window(240, 240, 240), text(Qt::black), base(Qt::white);
    const QColor disabledText(120, 120, 120);
    // window text, button, light, dark, mid, text, bright text, base, window
    QPalette p(text, window, Qt::white, QColor(160, 160, 160), QColor(200, 200, 200), text,
               Qt::white, base, window);
    p.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    p.setColor(QPalette::Shadow, QColor(105, 105, 105));
    p.setColor(QPalette::Highlight, QColor(48, 140, 198));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabledText);
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    p.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return p;
}

void useDesignedAppearance() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(lightPalette());
}

} // namespace vormak::ui
