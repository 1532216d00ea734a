#pragma once

// What the main window shows that its companions set: the message options,
// which the options window chooses, and the background picture, which the
// background window loads. One per registry, which owns it; the main window
// listens to it.

#include "ui/common/MessageOptions.h"

#include <QObject>
#include <QPixmap>

namespace ui {

class MainSettings : public QObject {
    Q_OBJECT
public:
    // The program's own picture at first.
    MainSettings();

    // The options of every encryption from the main window; all off at first.
    const MessageOptions& options() const { return m_options; }
    void setOptions(const MessageOptions& options);

    // The background picture; a null pixmap leaves the plain background colour.
    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

signals:
    void optionsChanged(const ui::MessageOptions& options);
    void pictureChanged();

private:
    MessageOptions m_options;
    QPixmap m_picture;
};

} // namespace ui
