#include "tests/support/ScriptedDialogs.h"

namespace testsupport {

ScriptedDialogs::ScriptedDialogs() : m_installed(&platform::Services::dialogs, this) {}

ScriptedDialogs::~ScriptedDialogs() = default;

platform::Answer ScriptedDialogs::message(QWidget*, const platform::MessageRequest& request) {
    messages.append({request.text, request.title, request.icon, request.buttons});
    if (onMessage)
        onMessage(messages.constLast());
    return answers.isEmpty() ? platform::defaultAnswer(request.buttons) : answers.dequeue();
}

std::optional<QString> ScriptedDialogs::openFile(QWidget*,
                                                 const platform::OpenFileRequest& request) {
    fileRequests.append(request);
    return files.isEmpty() ? std::nullopt : files.dequeue();
}

std::optional<QString> ScriptedDialogs::password(QWidget*,
                                                 const platform::PasswordRequest& request) {
    passwordRequests.append(request.text);
    return passwords.isEmpty() ? std::nullopt : passwords.dequeue();
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const Message& m : messages)
        out.append(m.text);
    return out;
}

void ScriptedDialogs::clear() {
    messages.clear();
    fileRequests.clear();
}

} // namespace testsupport
