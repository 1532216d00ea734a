#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace platform {
namespace {

class SystemDialogs final : public DialogProvider {
public:
    Answer message(QWidget* parent, const MessageRequest& request) override {
        QMessageBox box(parent);
        box.setWindowTitle(request.title);
        box.setText(request.text);
        switch (request.icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Stop:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        }
        if (request.buttons == Buttons::OkCancel) {
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Cancel);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
        }
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const int result = box.exec();
        QApplication::restoreOverrideCursor();
        return result == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    }

    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override {
        QFileDialog dialog(parent, request.title);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!request.filter.isEmpty())
            dialog.setNameFilter(request.filter);
        if (!request.fileName.isEmpty()) {
            const QFileInfo info(request.fileName);
            if (info.dir().exists())
                dialog.setDirectory(info.dir());
            dialog.selectFile(info.fileName());
        }
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        QApplication::restoreOverrideCursor();
        if (!accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
};

SystemDialogs& systemDialogs() {
    static SystemDialogs instance;
    return instance;
}

DialogProvider* g_provider = nullptr;

} // namespace

DialogProvider& dialogs() { return g_provider ? *g_provider : systemDialogs(); }

void setDialogProvider(DialogProvider* provider) { g_provider = provider; }

Answer messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon,
                  Buttons buttons) {
    return dialogs().message(parent, {text, title, icon, buttons});
}

QString OpenFileDialog::run(QWidget* parent) {
    if (const auto chosen = dialogs().openFile(parent, {title, filter, m_fileName}))
        m_fileName = *chosen;
    return m_fileName;
}

} // namespace platform
