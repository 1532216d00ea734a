#pragma once

// How the program's windows look and where they open, in one place: the
// classic dialog face, colours through a widget's palette, texts fitted into
// the places the design gave them, and centring on the screen.

#include <QColor>
#include <QFont>

class QWidget;

namespace ui {

// The designs give places in twips; 15 twips make a pixel.
inline constexpr int kTwipsPerPixel = 15;
// The smallest size a text is taken down to so that it fits its place.
inline constexpr qreal kSmallestPointSize = 6.5;

// The text of a disabled control, on any ground.
inline const QColor kDisabledText(128, 128, 128);

// The classic dialog typeface ("MS Sans Serif") at the given size. That face
// is rarely installed outside Windows; the first installed face from a list of
// close sans faces that keeps its proportions (about 13 pixels from line to
// line at 8 points, and a narrow letter) stands in, since every label was laid
// out for them. The system's sans face when none is installed.
QFont classicFont(qreal pointSize = 8.0, bool bold = false);

// Sets a widget's text colour (labels, check box captions) and, when `ground`
// is valid, paints its ground in that colour. An invalid `text` keeps the text
// colour. The style draws everything else as usual.
// The text colour (grey while disabled) and, when given, the ground colour.
void setColours(QWidget* widget, const QColor& text, const QColor& ground = QColor());

// How a control whose text needs more room than its place makes it fit.
enum class Fit {
    Grow,   // the control grows to the right (one line) or downwards (wrapped)
    Shrink, // the text gets smaller in quarter points, down to kSmallestPointSize
};
// Makes the whole text of a label, check box or button show in its place.
// Nothing moves but the control's right or bottom edge; a text that fits
// already is left alone.
void fitText(QWidget* control, Fit fit);

// Centres the window on its screen, frame included, when it is first shown;
// later showings leave it where the user put it.
void centreOnFirstShow(QWidget* window);

} // namespace ui
