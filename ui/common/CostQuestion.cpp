#include "ui/common/CostQuestion.h"

#include "platform/Dialogs.h"
#include "words/Describe.h"

#include <QCoreApplication>
#include <QDir>

namespace ui {

bool maySpend(QWidget* window, const QString& path, const std::optional<cipher::Cost>& cost) {
    if (!cost || !cost->aboveDefault())
        return true;
    const QString text =
        QCoreApplication::translate(
            "ui::CostQuestion",
            "Opening \"%1\" takes %2 passes over %3 of memory to find its key, more than the "
            "usual %4 over %5: it may take a long time and much of the computer's memory, and "
            "cannot be stopped part way.\n\nOpen it anyway?")
            .arg(QDir::toNativeSeparators(path))
            .arg(cost->opslimit)
            .arg(words::memory(cost->memlimit))
            .arg(cipher::kDefaultOpslimit)
            .arg(words::memory(cipher::kDefaultMemlimit));
    return platform::messageBox(window, text, base::kAppTitle, platform::Icon::Question,
                                platform::Buttons::YesNo) == platform::Answer::Yes;
}

} // namespace ui
