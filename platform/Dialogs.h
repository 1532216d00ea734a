#pragma once

// Every message box and file dialog of the program goes through here. The
// system provider shows real Qt dialogs; tests install a provider that answers
// them and records exactly what was asked.

#include "base/AppInfo.h"

#include <QString>
#include <optional>

class QWidget;

namespace platform {

enum class Icon { None, Information, Warning, Stop, Question };
// YesNo is a question whose safe answer is No: No is its default button and
// Escape answers No.
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// What Enter (and a closed box) answers: Ok, or No for a question.
Answer defaultAnswer(Buttons buttons);

struct MessageRequest {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

struct OpenFileRequest {
    QString title;    // empty: the system's own
    QString filter;   // such as "*.bmp"; empty: every file
    QString fileName; // the name the dialog starts from
    // A file to be written: the dialog says Save. Whether an existing file
    // may be replaced is for the caller to ask.
    bool save = false;
};

// A question for a password, such as a protected key file's.
struct PasswordRequest {
    QString text;  // what the password opens
    QString title; // empty: the application title
};

class DialogProvider {
public:
    virtual ~DialogProvider() = default;
    virtual Answer message(QWidget* parent, const MessageRequest& request) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) = 0;
    // The password typed, or nothing when the user cancelled. A provider that
    // cannot ask answers Cancel.
    virtual std::optional<QString> password(QWidget* parent, const PasswordRequest& request);
};

// The provider of the services in force (platform/Services.h); the system's
// unless one was installed.
DialogProvider& dialogs();

// A modal message box; the title defaults to the application title.
Answer messageBox(QWidget* parent, const QString& text, const QString& title = base::kAppTitle,
                  Icon icon = Icon::None, Buttons buttons = Buttons::Ok);

// A modal question for a password; nothing when cancelled.
std::optional<QString> askPassword(QWidget* parent, const QString& text,
                                   const QString& title = base::kAppTitle);

// The file-open dialog of a window. Like the system's common dialog it keeps
// the name it last returned: a cancel leaves fileName() as it was, so the
// window reads back the earlier choice (or nothing, on first use).
class OpenFileDialog {
public:
    QString title;
    QString filter;

    // Shows the dialog and returns fileName() after it closed.
    QString run(QWidget* parent);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& name) { m_fileName = name; }

private:
    QString m_fileName;
};

} // namespace platform
