#include "platform/Printer.h"

#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {
namespace {

class SystemPrinter final : public PrinterPort {
public:
    PrintResult printText(const QString& text, int pointSize) override {
        if (QPrinterInfo::defaultPrinter().isNull())
            return {false, QCoreApplication::translate("platform", "No printer is installed.")};
        QPrinter device(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        device.setDocName(QStringLiteral("Tessera"));
        return paint(device, text, pointSize);
    }

    static PrintResult paint(QPrinter& device, const QString& text, int pointSize) {
        QPainter painter;
        if (!painter.begin(&device))
            return {false,
                    QCoreApplication::translate("platform", "The printer could not be started.")};
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(pointSize);
        painter.setFont(font);
        const QFontMetrics metrics(font, &device);
        const QRect page = device.pageLayout().paintRectPixels(device.resolution());
        int y = metrics.ascent();
        // The text and then a line end: every line of the text, unwrapped.
        QString all = text;
        all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        const QStringList lines = all.split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (y + metrics.descent() > page.height()) {
                if (!device.newPage()) {
                    painter.end();
                    return {false,
                            QCoreApplication::translate(
                                "platform", "The printer stopped in the middle of the text.")};
                }
                y = metrics.ascent();
            }
            painter.drawText(0, y, line);
            y += metrics.lineSpacing();
        }
        if (!painter.end())
            return {false, QCoreApplication::translate(
                               "platform", "The printer could not finish the document.")};
        return {true, {}};
    }
};

} // namespace

PrinterPort& printer() {
    return installedOr<SystemPrinter>(services().printer);
}

bool printWithReport(QWidget* parent, const QString& text) {
    const PrintResult result = printer().printText(text, kPrintPointSize);
    if (!result.ok) {
        messageBox(parent,
                   QCoreApplication::translate("platform", "The text was not printed: %1")
                       .arg(result.error),
                   QCoreApplication::translate("platform", "Print"), Icon::Stop);
    }
    return result.ok;
}

} // namespace platform
