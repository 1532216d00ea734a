#pragma once

// A QR code of a short text, such as a recipient, for a phone's reader: dark
// squares on white with the quiet zone of four modules that readers need
// around the code, drawn as large as the widget allows in whole pixels per
// module, in its middle. Error correction at level M, the text as its UTF-8
// bytes (libqrencode).

#include <QImage>
#include <QString>
#include <QVector>
#include <QWidget>

namespace ui {

class QrCode : public QWidget {
    Q_OBJECT
public:
    // Modules of white on every side of the code.
    static constexpr int kQuietZone = 4;

    explicit QrCode(QWidget* parent = nullptr);

    // The text to show; an empty text, or one too long for a QR code, shows
    // nothing.
    void setText(const QString& text);
    QString text() const { return m_text; }
    // Whether a code is shown.
    bool hasCode() const { return m_size > 0; }
    // Words shown in the code's place while there is none.
    void setPlaceholder(const QString& words);

    // The code of a text as a picture with this many pixels a module, quiet
    // zone included; a null image when the text cannot be encoded.
    static QImage image(const QString& text, int pixelsPerModule);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QString m_placeholder;
    int m_size = 0;          // modules a side, without the quiet zone; 0: no code
    QVector<bool> m_modules; // row by row, true for a dark module
};

} // namespace ui
