#include "ui/FormRegistry.h"

#include "resources/Artwork.h"

#include <QCoreApplication>
#include <utility>

namespace ui {

FormRegistry::FormRegistry() {
    quitHandler = [] { QCoreApplication::exit(0); };
}

FormRegistry::~FormRegistry() {
    const auto unloading = std::exchange(m_unloading, {});
    for (const QPointer<QWidget>& window : unloading)
        delete window.data();
    const auto adopted = std::exchange(m_adopted, {});
    for (const QPointer<QWidget>& window : adopted)
        delete window.data();
    const auto forms = std::exchange(m_forms, {});
    for (const QPointer<QWidget>& window : forms)
        delete window.data();
}

void FormRegistry::registerForm(const QString& name, Factory factory) {
    m_factories.insert(name, std::move(factory));
}

bool FormRegistry::isRegistered(const QString& name) const {
    return m_factories.contains(name) || m_multiFactories.contains(name);
}

QStringList FormRegistry::registeredNames() const {
    QStringList names = m_factories.keys() + m_multiFactories.keys();
    names.sort();
    return names;
}

QWidget* FormRegistry::form(const QString& name) {
    if (QWidget* existing = loaded(name))
        return existing;
    const auto factory = m_factories.constFind(name);
    Q_ASSERT_X(factory != m_factories.cend(), "FormRegistry::form", qPrintable(name));
    if (factory == m_factories.cend())
        return nullptr;
    QWidget* window = (*factory)(*this);
    dress(window, name);
    m_forms.insert(name, window);
    // A window that deletes itself (closed through its frame) counts as unloaded.
    connect(window, &QObject::destroyed, this, [this, name] {
        if (m_forms.contains(name) && m_forms.value(name).isNull()) {
            m_forms.remove(name);
            emit formUnloaded(name);
        }
    });
    emit formLoaded(name);
    return window;
}

void FormRegistry::dress(QWidget* window, const QString& name) const {
    window->setObjectName(name);
    window->setWindowIcon(
        resources::windowIcon(m_icons.value(name, resources::WindowIcon::Program)));
}

QWidget* FormRegistry::loaded(const QString& name) const {
    return m_forms.value(name).data();
}

QWidget* FormRegistry::show(const QString& name) {
    QWidget* window = form(name);
    if (!window)
        return nullptr;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void FormRegistry::hide(const QString& name) {
    if (QWidget* window = loaded(name))
        window->hide();
}

void FormRegistry::unload(const QString& name) {
    QWidget* window = loaded(name);
    if (!window)
        return;
    m_forms.remove(name);
    destroyLater(window);
    emit formUnloaded(name);
}

void FormRegistry::destroyLater(QWidget* window) {
    window->hide();
    window->deleteLater();
    m_unloading.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
    m_unloading.append(window);
}

void FormRegistry::registerMultiForm(const QString& name, Factory factory) {
    m_multiFactories.insert(name, std::move(factory));
}

QWidget* FormRegistry::createNew(const QString& name) {
    const auto factory = m_multiFactories.constFind(name);
    if (factory == m_multiFactories.cend())
        return nullptr;
    QWidget* window = (*factory)(*this);
    dress(window, name);
    adopt(window);
    return window;
}

void FormRegistry::unloadAll() {
    for (const QString& name : loadedNames())
        unload(name);
    const auto adopted = std::exchange(m_adopted, {});
    for (const QPointer<QWidget>& window : adopted) {
        if (window)
            destroyLater(window);
    }
}

void FormRegistry::adopt(QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_adopted.append(window);
    connect(window, &QObject::destroyed, this,
            [this] { m_adopted.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); }); });
}

QList<QWidget*> FormRegistry::adopted() const {
    QList<QWidget*> out;
    for (const QPointer<QWidget>& window : m_adopted) {
        if (window)
            out.append(window.data());
    }
    return out;
}

QStringList FormRegistry::loadedNames() const {
    QStringList names;
    for (auto it = m_forms.cbegin(); it != m_forms.cend(); ++it) {
        if (it.value())
            names.append(it.key());
    }
    return names;
}

void FormRegistry::quit() {
    if (quitHandler)
        quitHandler();
}

} // namespace ui
