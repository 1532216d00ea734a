#pragma once

// Answers the program's message boxes and file dialogs in tests, and records
// every one with its exact text, title, icon and buttons.

#include "platform/Dialogs.h"
#include "tests/support/ServicesGuard.h"

#include <QList>
#include <QQueue>
#include <functional>

namespace testsupport {

class ScriptedDialogs : public platform::DialogProvider {
public:
    ScriptedDialogs();  // installs itself
    ~ScriptedDialogs() override; // restores the dialogs that were in force

    struct Message {
        QString text;
        QString title;
        platform::Icon icon;
        platform::Buttons buttons;
    };
    struct FileRequest {
        platform::OpenFileRequest request;
    };

    // Answers for the next message boxes, in order; when none is queued, the
    // box's default (Ok, or No to a question).
    QQueue<platform::Answer> answers;
    // Results of the next file dialogs, in order: a path, or nothing for Cancel.
    // Cancel when none is queued.
    QQueue<std::optional<QString>> files;
    // Answers of the next password questions: the password, or nothing for
    // Cancel. Cancel when none is queued. The questions' texts are recorded.
    QQueue<std::optional<QString>> passwords;
    QStringList passwordRequests;
    // Runs while a message box is "open" (after it is recorded, before it returns).
    std::function<void(const Message&)> onMessage;

    QList<Message> messages;
    QList<platform::OpenFileRequest> fileRequests;

    platform::Answer message(QWidget* parent, const platform::MessageRequest& request) override;
    std::optional<QString> openFile(QWidget* parent,
                                    const platform::OpenFileRequest& request) override;

    std::optional<QString> password(QWidget* parent,
                                    const platform::PasswordRequest& request) override;
    QStringList texts() const;
    void clear();

private:
    ServicesGuard m_installed;
};

} // namespace testsupport
