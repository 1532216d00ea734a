#pragma once

// The classic dialog typeface of the main window and its options window. The
// old face ("MS Sans Serif") is rarely installed outside Windows, so a list of
// close sans faces follows it; the first one the system has is used.

#include <QFont>
#include <QStringList>

namespace ui {

inline QFont classicFont(qreal pointSize = 8.0, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace ui
