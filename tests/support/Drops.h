#pragma once

// Files (or text) dragged onto a control and dropped there, as a file manager
// does it: the actions the source offers, and the one it proposes (Shift
// asks for a move, Ctrl for a copy).

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <optional>

namespace testsupport {

// The action the target took, told back to the source; nothing when it
// refused the drag or the drop.
inline std::optional<Qt::DropAction> dropOn(QWidget* target, const QList<QUrl>& urls,
                                            const QString& text = {},
                                            Qt::DropActions offered = Qt::CopyAction,
                                            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    const QPointF at = QRectF(target->rect()).center();
    QDragEnterEvent enter(at.toPoint(), offered, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return std::nullopt;
    QDropEvent drop(at, offered, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &drop);
    if (!drop.isAccepted())
        return std::nullopt;
    return drop.dropAction();
}

} // namespace testsupport
