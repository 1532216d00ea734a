#include "ui/common/FileDrops.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace ui {
namespace {

class FileDrops final : public QObject {
public:
    FileDrops(QWidget* window, std::function<void(const QString&)> take)
        : QObject(window), m_take(std::move(take)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasUrls())
            return false; // text: the control's own business
        const std::optional<QString> path = droppedFile(drop->mimeData());
        // Only ever a copy: the name is taken and the file stays where it
        // is, so the source must not be told that it moved.
        if (!path || !(drop->possibleActions() & Qt::CopyAction)) {
            drop->ignore();
            return true;
        }
        if (drop->proposedAction() == Qt::CopyAction) {
            drop->acceptProposedAction();
        } else {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
        }
        if (type == QEvent::Drop)
            m_take(*path);
        return true;
    }

private:
    std::function<void(const QString&)> m_take;
};

} // namespace

std::optional<QString> droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return std::nullopt;
    const QString path = urls.first().toLocalFile();
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return QDir::toNativeSeparators(path);
}

void acceptFileDrops(QWidget* window, std::function<void(const QString& path)> take) {
    auto* drops = new FileDrops(window, std::move(take));
    window->setAcceptDrops(true);
    window->installEventFilter(drops);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->acceptDrops())
            control->installEventFilter(drops);
    }
}

} // namespace ui
