#include "ui/common/ReplaceQuestion.h"

#include "cipher/ExistingFile.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QDir>

namespace ui {

bool mayReplace(QWidget* window, const QString& path) {
    if (cipher::existingFile(path) != cipher::ExistingFile::Other)
        return true;
    const QString text =
        QCoreApplication::translate(
            "ui::ReplaceQuestion", "The file \"%1\" already exists and is not a message file.\n\n"
                                   "Replace it with the encrypted message? Everything it holds now "
                                   "will be lost.")
            .arg(QDir::toNativeSeparators(path));
    return platform::messageBox(window, text, base::kAppTitle, platform::Icon::Question,
                                platform::Buttons::YesNo) == platform::Answer::Yes;
}

} // namespace ui
