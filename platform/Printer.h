#pragma once

// The system's default printer, as the program uses it: a font size, a text
// printed as it stands (lines break only at its own line breaks), end of document.

#include <QString>

class QWidget;

namespace platform {

inline constexpr int kPrintPointSize = 14;

struct PrintResult {
    bool ok = false;
    QString error; // why nothing was printed, for the user
};

class PrinterPort {
public:
    virtual ~PrinterPort() = default;
    virtual PrintResult printText(const QString& text, int pointSize) = 0;
};

// The port of the services in force (platform/Services.h): the system's
// default printer unless one was installed.
PrinterPort& printer();

// The program's print command: prints text followed by a line end at 14 points
// on the default printer, and tells the user in a message box when it could not.
// Returns whether the text was printed.
bool printWithReport(QWidget* parent, const QString& text);

} // namespace platform
