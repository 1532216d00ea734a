#pragma once

// Owns the program's windows. Every window exists at most once: it is created
// on first use, shown modeless, hidden with its contents kept, and destroyed
// only when unloaded. Windows find each other here by name ("frmMain").
//
// Windows that may exist many times (the web page viewers) are adopted: the
// registry keeps them only so that the end of the program can close them.

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace ui {

class FormRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*(FormRegistry&)>;

    FormRegistry();
    ~FormRegistry() override;

    void registerForm(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;
    // Every registered name, single and multi windows alike, sorted.
    QStringList registeredNames() const;

    // The window, created (hidden) on first use.
    QWidget* form(const QString& name);
    template <class T> T* form(const QString& name) { return qobject_cast<T*>(form(name)); }

    // The window when it is loaded, else nullptr; never creates it.
    QWidget* loaded(const QString& name) const;
    template <class T> T* loaded(const QString& name) const {
        return qobject_cast<T*>(loaded(name));
    }
    bool isLoaded(const QString& name) const { return loaded(name) != nullptr; }

    // Creates on first use, makes visible, raises and activates; does not wait.
    QWidget* show(const QString& name);
    // Makes invisible; the window and its contents stay.
    void hide(const QString& name);
    // Destroys the window when it is loaded; the next use creates it afresh.
    void unload(const QString& name);

    // Windows that may exist many times (the web page viewer): createNew makes
    // a fresh one on every call, adopted so that the end of the program closes it.
    void registerMultiForm(const QString& name, Factory factory);
    QWidget* createNew(const QString& name);

    // A window that may exist many times; deleted when it closes or at the end.
    void adopt(QWidget* window);
    QList<QWidget*> adopted() const;

    // Every loaded window's name, in no particular order.
    QStringList loadedNames() const;

    // Destroys every loaded window and every adopted one.
    void unloadAll();

    // Ends the program: by default leaves the event loop. Tests replace it to
    // watch the end without ending the test process.
    std::function<void()> quitHandler;
    void quit();

signals:
    void formLoaded(const QString& name);
    void formUnloaded(const QString& name);

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, Factory> m_multiFactories;
    QHash<QString, QPointer<QWidget>> m_forms;
    QList<QPointer<QWidget>> m_adopted;
};

// Every window the program knows, registered under its name.
void registerAllForms(FormRegistry& registry);

// Loads the start window, whose load handler opens the program's first window.
void startProgram(FormRegistry& registry);

} // namespace ui
