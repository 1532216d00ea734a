#include "ui/common/FileNames.h"

#include <QDir>

namespace ui {

QString defaultFilePath(const QString& fileName) {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\") + fileName;
#else
    // filePath joins without doubling the separator when home is the root.
    return QDir::toNativeSeparators(QDir(QDir::homePath()).filePath(fileName));
#endif
}

QString everyFileFilter() {
#ifdef Q_OS_WIN
    return QStringLiteral("*.*");
#else
    return QStringLiteral("*");
#endif
}

} // namespace ui
