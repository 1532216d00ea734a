// Writes the program's icon in the hicolor theme's sizes:
//   tessera-export-icons OUTDIR  ->  OUTDIR/<n>x<n>/org.tessera2.Tessera2.png

#include "resources/Artwork.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: tessera-export-icons OUTDIR\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2").arg(out).arg(size);
        QDir().mkpath(dir);
        QImage image = resources::iconPixmap(size).toImage();
        image.setDevicePixelRatio(1.0);
        if (image.size() != QSize(size, size))
            image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!image.save(dir + QStringLiteral("/org.tessera2.Tessera2.png"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
