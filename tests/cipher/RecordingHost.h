#pragma once

// A message host that remembers everything the cipher told it.

#include "cipher/CodePage.h"
#include "cipher/MessageCipher.h"
#include "cipher/MessageHost.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

struct RecordedMessage {
    QString text;
    QString title;
    cipher::MessageIcon icon;
};

class RecordingHost : public cipher::MessageHost {
public:
    void setBusy(bool busy) override { busyChanges.append(busy); }
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setProgressValue(int value) override {
        progressValue = value;
        highestProgress = qMax(highestProgress, value);
    }
    void showMessage(const QString& text, const QString& title, cipher::MessageIcon icon) override {
        messages.append({text, title, icon});
    }
    void clearOutput() override {
        ++clears;
        output.clear();
    }
    void appendOutput(quint8 code) override { output.append(static_cast<char>(code)); }
    void waiting(const QString&) override {
        ++waits;
        if (onWaiting)
            onWaiting();
    }
    bool cancelRequested() const override { return cancelAfterWaiting && waits > 0; }

    QString text() const { return cipher::codepage::decode(output); }
    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }

    QList<bool> busyChanges;
    int progressMaximum = -1;
    int progressValue = -1;
    int highestProgress = 0;
    QList<RecordedMessage> messages;
    QByteArray output;
    int clears = 0;
    int waits = 0;
    bool cancelAfterWaiting = false; // cancel once the command has had to wait
    std::function<void()> onWaiting; // what happens while the command waits
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
