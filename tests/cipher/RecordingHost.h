#pragma once

// A message host that remembers everything the cipher told it, with the
// progress display the operation reported to.

#include "cipher/Messages.h"
#include "words/Present.h"
#include "tests/support/RecordingProgress.h"

#include <QByteArray>
#include <QList>
#include <QString>

using Tone = words::MessageHost::Tone;

struct RecordedMessage {
    QString text;
    Tone tone;
};

class RecordingHost : public words::MessageHost {
public:
    void showMessage(const QString& text, Tone tone) override { messages.append({text, tone}); }
    void clearOutput() override {
        ++clears;
        output.clear();
    }
    void showText(const QString& text) override { output = text; }

    QString text() const { return output; }
    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }

    QList<RecordedMessage> messages;
    QString output;
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
    request.password = base::Secret::copyOf(password);
    request.path = path;
    request.pic = pic;
    request.junkBitz = junkBitz;
    request.scratchPath = scratchPath;
    return request;
}
