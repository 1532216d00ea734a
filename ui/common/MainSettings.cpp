#include "ui/common/MainSettings.h"

#include "resources/Artwork.h"

namespace ui {

MainSettings::MainSettings() : m_picture(resources::mainBackground()) {}

void MainSettings::setOptions(const MessageOptions& options) {
    if (options == m_options)
        return;
    m_options = options;
    emit optionsChanged(m_options);
}

void MainSettings::setPicture(const QPixmap& picture) {
    m_picture = picture;
    emit pictureChanged();
}

} // namespace ui
