#pragma once

// Stands in for the default printer in tests: records each document, or fails
// like a machine without a printer.

#include "platform/Printer.h"
#include "tests/support/ServicesGuard.h"

#include <QStringList>

namespace testsupport {

class RecordingPrinter : public platform::PrinterPort {
public:
    RecordingPrinter() : m_installed(&platform::Services::printer, this) {}

    platform::PrintResult printText(const QString& text, int pointSize) override {
        if (!available)
            return {false, QStringLiteral("No printer is installed.")};
        documents.append(text);
        pointSizes.append(pointSize);
        return {true, {}};
    }

    bool available = true;
    QStringList documents;
    QList<int> pointSizes;

private:
    ServicesGuard m_installed; // installs it; restores the printer that was in force
};

} // namespace testsupport
