#include "ui/common/IdentityQuestion.h"

#include "base/Limits.h"
#include "base/Wipe.h"
#include "platform/Dialogs.h"
#include "sealed/Recipients.h"
#include "sealed/Recognition.h"
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
        return sealed::sealedVersion(file.read(sealed::kRecognitionWindow)) ==
               sealed::kRecipientsVersion;
    const sealed::FoundMessage found = sealed::findMessage(file.read(base::kMaxMessageFileBytes));
    return found.recognition == sealed::Recognition::Sealed && !found.candidates.isEmpty() &&
           sealed::sealedVersion(found.candidates.constFirst()) == sealed::kRecipientsVersion;
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
    frmKeys::Opened result = keys->openIdentityFile(*path, nullptr);
    if (result.status == sealed::Status::NeedsPassword) {
        const std::optional<QString> password = platform::askPassword(
            parent, QCoreApplication::translate("ui::IdentityQuestion",
                                                "The password of the identity file \"%1\":")
                        .arg(QFileInfo(*path).fileName()));
        if (!password)
            return false;
        result = keys->openIdentityFile(*path, &*password);
        base::wipe(*password);
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
