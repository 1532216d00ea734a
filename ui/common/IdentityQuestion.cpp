#include "ui/common/IdentityQuestion.h"

#include "base/Limits.h"
#include "base/Secret.h"
#include "cipher/Keys.h"
#include "platform/Dialogs.h"
#include "ui/FormRegistry.h"
#include "ui/keys/frmKeys.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace ui {
bool sealedToPeople(const QString& path, bool message) {
    // Only a regular file is read here: a FIFO or a device would block or never end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (!message)
        return cipher::sealedVersion(file.read(cipher::kRecognitionWindow)) ==
               cipher::kRecipientsVersion;
    const cipher::FoundMessage found = cipher::findMessage(file.read(base::kMaxMessageFileBytes));
    return found.recognition == cipher::Recognition::Sealed && !found.candidates.isEmpty() &&
           cipher::sealedVersion(found.candidates.constFirst()) == cipher::kRecipientsVersion;
}

bool askIdentityFile(QWidget* parent, FormRegistry& registry) {
    const std::optional<QString> path = platform::dialogs().openFile(
        parent,
        {QCoreApplication::translate("ui::IdentityQuestion", "Open the identity it is sealed to"),
         {},
         {}});
    frmKeys* keys = path ? registry.form<frmKeys>() : nullptr;
    if (!keys)
        return false;
    frmKeys::Opened result = keys->openIdentityFile(*path);
    if (result.status == cipher::KeyStatus::NeedsPassword) {
        std::optional<QString> typed = platform::askPassword(
            parent, QCoreApplication::translate("ui::IdentityQuestion",
                                                "The password of the identity file \"%1\":")
                        .arg(QFileInfo(*path).fileName()));
        if (!typed)
            return false;
        // Wiped, with the text it was handed, once it has been tried.
        const base::Secret password(std::move(*typed));
        result = keys->openIdentityFile(*path, password);
    }
    if (!result.ok()) {
        platform::messageBox(parent, result.text,
                             QCoreApplication::translate("ui::IdentityQuestion", "Error"),
                             platform::Icon::Stop);
        return false;
    }
    return true;
}

} // namespace ui
