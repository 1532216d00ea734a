#include "platform/Dialogs.h"

#include "platform/Services.h"

#include <QApplication>
#include <QFileDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>

namespace platform {
namespace {

// Room in a title bar beside the title: the window icon and three frame
// buttons (minimise, maximise, close) of up to 32 pixels each, and a margin of
// 16 pixels at either end. Window managers that show fewer buttons leave the
// title more room, never less.
constexpr int kTitleBarRoom = 4 * 32 + 2 * 16;
// A title longer than this much is left for the window manager to shorten.
constexpr int kMaxTitleWidth = 480;

// The narrowest a message box may be so that a window manager shows its
// whole title: the title in the title-bar font (taken bold, as most window
// managers draw it) and the room beside it. Qt alone sizes a box by its text
// and allows the title only 50 pixels of room, so a short message such as
// "Done" gets a box too narrow for "Tessera2" beside the frame's buttons.
int messageBoxMinimumWidth(const QString& title) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int titleWidth = qMin(QFontMetrics(font).horizontalAdvance(title), kMaxTitleWidth);
    return titleWidth + kTitleBarRoom;
}

// A QMessageBox fixes its own size from its layout whenever it is shown, so a
// minimum width set on the box is overridden; a spacer across the layout's
// bottom makes the layout itself that wide.
void ensureMinimumWidth(QMessageBox& box, int width) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const QMargins margins = grid->contentsMargins();
    const int inner = qMax(0, width - margins.left() - margins.right());
    grid->addItem(new QSpacerItem(inner, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void setButtons(QMessageBox& box, Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
}

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
        setButtons(box, request.buttons);
        ensureMinimumWidth(box, messageBoxMinimumWidth(request.title));
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const int result = box.exec();
        QApplication::restoreOverrideCursor();
        switch (result) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return request.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
        }
    }

    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override {
        QFileDialog dialog(parent, request.title);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
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

    std::optional<QString> password(QWidget* parent, const PasswordRequest& request) override {
        QDialog dialog(parent);
        dialog.setWindowTitle(request.title.isEmpty() ? base::kAppTitle : request.title);
        auto* layout = new QGridLayout(&dialog);
        auto* label = new QLabel(request.text, &dialog);
        label->setWordWrap(true);
        auto* box = new QLineEdit(&dialog);
        box->setEchoMode(QLineEdit::Password);
        box->setAccessibleName(request.text);
        label->setBuddy(box);
        auto* buttons =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(label, 0, 0);
        layout->addWidget(box, 1, 0);
        layout->addWidget(buttons, 2, 0);
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        QApplication::restoreOverrideCursor();
        const QString typed = box->text();
        box->clear();
        if (!accepted)
            return std::nullopt;
        return typed;
    }
};

} // namespace

Answer defaultAnswer(Buttons buttons) {
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

DialogProvider& dialogs() {
    return installedOr<SystemDialogs>(services().dialogs);
}

Answer messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon,
                  Buttons buttons) {
    return dialogs().message(parent, {text, title, icon, buttons});
}

std::optional<QString> DialogProvider::password(QWidget*, const PasswordRequest&) {
    return std::nullopt;
}

std::optional<QString> askPassword(QWidget* parent, const QString& text, const QString& title) {
    return dialogs().password(parent, {text, title});
}

QString OpenFileDialog::run(QWidget* parent) {
    if (const auto chosen = dialogs().openFile(parent, {title, filter, m_fileName}))
        m_fileName = *chosen;
    return m_fileName;
}

} // namespace platform
