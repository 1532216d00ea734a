#pragma once

// A message host that remembers everything the cipher told it, with the
// progress display the operation reported to.

#include "cipher/MessageHost.h"
#include "cipher/Messages.h"
#include "classic/CodePage.h"
#include "tests/support/RecordingProgress.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct RecordedMessage {
    QString text;
    QString title;
    cipher::MessageIcon icon;
};

class RecordingHost : public cipher::MessageHost {
public:
    void showMessage(const QString& text, const QString& title, cipher::MessageIcon icon) override {
        messages.append({text, title, icon});
    }
    void clearOutput() override {
        ++clears;
        output.clear();
    }
    void appendOutput(quint8 code) override { output.append(static_cast<char>(code)); }

    QString text() const { return classic::codepage::decode(output); }
    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }

    QList<RecordedMessage> messages;
    QByteArray output;
    int clears = 0;
    testsupport::RecordingProgress progress;
};

// An encryption of text under password into path, its scratch file where a
// test wants it.
inline cipher::EncryptRequest messageRequest(const QString& text, const QString& password,
                                             const QString& path, const QString& scratchPath,
                                             bool pic = false, bool junkBitz = false) {
    cipher::EncryptRequest request;
    request.text = text;
    request.password = password;
    request.path = path;
    request.pic = pic;
    request.junkBitz = junkBitz;
    request.scratchPath = scratchPath;
    return request;
}
