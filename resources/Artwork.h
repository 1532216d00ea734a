#pragma once

// The program's pictures, all of them our own and drawn by code at the screen's
// pixel ratio, so that they stay sharp on high-density displays. Sizes are in
// logical pixels.

#include "resources/WindowIcon.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QAbstractButton;

namespace resources {

// The size of a picture button's face.
inline constexpr QSize kButtonFaceSize{81, 33};

// The intro window's start and exit picture buttons: 89 x 41 each, like the
// other large picture buttons; the intro picture leaves the band from y 450 to
// y 518 free below its medallion for them (e.g. at (264, 472) and (440, 472)).
// Give them their faces with applyPictureButton(button, "Start") and
// applyPictureButton(button, "Exit").
inline constexpr QSize kIntroButtonSize{89, 41};

// The 81 x 33 face of a picture button with its word painted on it
// ("Encrypt", "Decrypt", "Clear", "Web Page", "Background", "Print",
// "Advanced", "File Encryption", "Exit", "Browse", "Close", "Start").
QPixmap buttonFace(const QString& word);
// The same face drawn for a button of another size (the lettering is fitted
// anew, never scaled).
QPixmap buttonFace(const QString& word, const QSize& size);

// Gives a button its picture face, centred, with the word as accessible name
// and no text caption. The icon is the 81 x 33 face; the button itself is
// drawn as the face at the button's own size, brighter under the pointer,
// sunk when pressed, with a gold ring when it has the keyboard focus and
// greyed when disabled.
void applyPictureButton(QAbstractButton* button, const QString& word);

// The main window's 640 x 480 red and green fractal background (computed once
// per pixel ratio, then kept).
QPixmap mainBackground();

// The program's icon, and the icon a window carries.
QIcon appIcon();
QIcon windowIcon(WindowIcon icon);
// The program's icon as a square picture of `size` x `size` device pixels
// (for exporting the hicolor icon sizes 16 to 256).
QPixmap iconPixmap(int size);

// The intro window's full-window background (its window is 792 x 573): a
// Roman mosaic floor with a white panel for the product's name (its letters
// at x 88 to 345, y 88 to 152), a medallion on the right and room for the
// buttons below it.
QPixmap introBackground(const QSize& size);

// The banner that reads VERSION 2.0 on the mode chooser (217 x 32).
QPixmap versionBanner(const QSize& size);

// The small pictures of the wizard's password page (73 x 73, a padlock) and
// text page (72 x 72, a written sheet).
QPixmap passwordPicture(const QSize& size);
QPixmap textPicture(const QSize& size);

// The one large picture of the hidden picture window (480 x 360 suits it): a
// fractal set as a mosaic of tesserae.
QPixmap secretPicture(const QSize& size);

// The web viewer's toolbar icons (24 x 24): "Back", "Forward", "Stop",
// "Refresh", "Home".
QIcon toolbarIcon(const QString& key);

// The decorative typeface of the product's name (the intro's letters, the
// mode chooser's title): Berenika, compiled into the program; a serif italic
// if it cannot be loaded.
QFont decorativeFont(qreal pointSize);
// The family decorativeFont() uses.
QString decorativeFontFamily();

} // namespace resources
