#pragma once

// The program's pictures, all of them our own and drawn by code at the screen's
// pixel ratio, so that they stay sharp on high-density displays. Sizes are in
// logical pixels.

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

class QAbstractButton;

namespace resources {

// The 81 x 33 face of a picture button with its word painted on it
// ("Encrypt", "Decrypt", "Clear", "Web Page", "Background", "Print",
// "Advanced", "File Encryption", "Exit", "Browse", "Close", "Start").
QPixmap buttonFace(const QString& word);

// Gives a button its picture face, centred, with the word as accessible name
// and no text caption.
void applyPictureButton(QAbstractButton* button, const QString& word);

// The main window's 640 x 480 red and green fractal background.
QPixmap mainBackground();

// The program's icon, and the icon of a window by its name ("frmEncFile", ...).
QIcon appIcon();
QIcon windowIcon(const QString& windowName);

// The intro window's full-window background.
QPixmap introBackground(const QSize& size);

// The banner that reads VERSION 2.0 on the mode chooser.
QPixmap versionBanner(const QSize& size);

// The small pictures of the wizard's password page and text page.
QPixmap passwordPicture(const QSize& size);
QPixmap textPicture(const QSize& size);

// The one large picture of the hidden picture window.
QPixmap secretPicture(const QSize& size);

// The web viewer's toolbar icons: "Back", "Forward", "Stop", "Refresh", "Home".
QIcon toolbarIcon(const QString& key);

// The decorative typeface of the product's name (the intro's letters, the
// mode chooser's title).
QFont decorativeFont(qreal pointSize);

} // namespace resources
