#pragma once

// Owns the program's windows. Every window exists at most once: it is created
// on first use, shown modeless, hidden with its contents kept, and destroyed
// only when unloaded. Windows find each other here by class
// (registry.show<frmWizard1>()) and never by name; each class has its one
// name in ui/FormNames.h, which is also the window's object name.
//
// Windows that may exist many times (the web page viewers) are adopted: the
// registry keeps them only so that the end of the program can close them.
//
// Beside the windows it owns the few window-less parts that several windows
// share (the wizard's flow, the main window's settings), one of each class,
// handed to the windows that use them when they are made and reached by class
// (registry.part<Wizard>()).

#include "ui/FormNames.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <utility>

namespace ui {

class FormRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*(FormRegistry&)>;

    FormRegistry();
    ~FormRegistry() override;

    // The window class's name, as registered.
    template <class Form> static QString nameOf() {
        return QString::fromLatin1(FormName<Form>::value);
    }

    // ---- By class: how windows reach each other ----------------------------
    template <class Form> void registerForm() {
        registerForm(nameOf<Form>(), [](FormRegistry& r) -> QWidget* { return new Form(r); });
        m_icons.insert(nameOf<Form>(), FormName<Form>::icon);
    }
    // A window made with a part it shares with others: new Form(registry, part).
    template <class Form, class Part> void registerForm(Part& part) {
        registerForm(nameOf<Form>(),
                     [&part](FormRegistry& r) -> QWidget* { return new Form(r, part); });
        m_icons.insert(nameOf<Form>(), FormName<Form>::icon);
    }
    template <class Form> void registerMultiForm() {
        registerMultiForm(nameOf<Form>(), [](FormRegistry& r) -> QWidget* { return new Form(r); });
        m_icons.insert(nameOf<Form>(), FormName<Form>::icon);
    }
    template <class Form> bool isRegistered() const { return isRegistered(nameOf<Form>()); }
    // The window, created (hidden) on first use; nullptr when another kind of
    // window was registered under its name.
    template <class Form> Form* form() { return qobject_cast<Form*>(form(nameOf<Form>())); }
    // The window when it is loaded, else nullptr; never creates it.
    template <class Form> Form* loaded() const {
        return qobject_cast<Form*>(loaded(nameOf<Form>()));
    }
    template <class Form> bool isLoaded() const { return isLoaded(nameOf<Form>()); }
    // Creates the window (hidden) when it is not loaded; needs no more of its
    // class than its name.
    template <class Form> void load() { form(nameOf<Form>()); }
    template <class Form> QWidget* show() { return show(nameOf<Form>()); }
    template <class Form> void hide() { hide(nameOf<Form>()); }
    template <class Form> void unload() { unload(nameOf<Form>()); }
    template <class Form> Form* createNew() {
        return qobject_cast<Form*>(createNew(nameOf<Form>()));
    }
    template <class Form> bool isMultiForm() const {
        return m_multiFactories.contains(nameOf<Form>());
    }

    // ---- As plain widgets: needs no more of the class than its name --------
    // A window of the class: the one window of a class that exists once,
    // created (hidden) on first use, or a new one of a class that may exist
    // many times. A stand-in too.
    template <class Form> QWidget* widget() {
        return isMultiForm<Form>() ? createNew(nameOf<Form>()) : form(nameOf<Form>());
    }
    // The window loaded for the class (a stand-in too), else nullptr.
    template <class Form> QWidget* loadedWidget() const { return loaded(nameOf<Form>()); }
    // Registers another kind of widget under the class's name, for tests that
    // watch what other windows do with it. It is shown, hidden and unloaded as
    // the window would be, but form<Form>() and loaded<Form>() never return it.
    template <class Form> void registerStandIn(Factory factory) {
        registerForm(nameOf<Form>(), std::move(factory));
    }

    // Every registered name, single and multi windows alike, sorted.
    QStringList registeredNames() const;

    // A window that may exist many times; deleted when it closes or at the end.
    void adopt(QWidget* window);
    QList<QWidget*> adopted() const;

    // Every loaded window's name, in no particular order.
    QStringList loadedNames() const;

    // Unloads every loaded window and every adopted one.
    void unloadAll();

    // ---- Parts: window-less objects that several windows share ------------
    // Takes the part over; it lives as long as the registry.
    template <class Part> Part& addPart(Part* part) {
        part->setParent(this);
        m_parts.insert(Part::staticMetaObject.className(), part);
        return *part;
    }
    template <class Part> Part* part() const {
        return qobject_cast<Part*>(m_parts.value(Part::staticMetaObject.className()));
    }

    // Ends the program: by default leaves the event loop. Tests replace it to
    // watch the end without ending the test process.
    std::function<void()> quitHandler;
    void quit();

signals:
    void formLoaded(const QString& name);
    void formUnloaded(const QString& name);

private:
    void registerForm(const QString& name, Factory factory);
    // Windows that may exist many times (the web page viewer): createNew makes
    // a fresh one on every call, adopted so that the end of the program closes it.
    void registerMultiForm(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;

    // The window, created (hidden) on first use.
    QWidget* form(const QString& name);
    // The window when it is loaded, else nullptr; never creates it.
    QWidget* loaded(const QString& name) const;
    bool isLoaded(const QString& name) const { return loaded(name) != nullptr; }

    // Creates on first use, makes visible, raises and activates; does not wait.
    QWidget* show(const QString& name);
    // Makes invisible; the window and its contents stay.
    void hide(const QString& name);
    // Unloads the window when it is loaded: it is hidden and gone from the
    // registry at once, so that the next use creates it afresh, and destroyed
    // once the event being handled is done, so that the handler that asked
    // (the window's own Exit button or frame close, often) returns safely.
    void unload(const QString& name);
    QWidget* createNew(const QString& name);

    QHash<QString, Factory> m_factories;
    QHash<QString, Factory> m_multiFactories;
    QHash<QString, resources::WindowIcon> m_icons;
    QHash<QByteArray, QObject*> m_parts;
    QHash<QString, QPointer<QWidget>> m_forms;
    QList<QPointer<QWidget>> m_adopted;
    // Unloaded and waiting to be destroyed; what is still here when the
    // registry goes is destroyed with it.
    QList<QPointer<QWidget>> m_unloading;

    // Names a new window and gives it its icon.
    void dress(QWidget* window, const QString& name) const;
    void destroyLater(QWidget* window);
};

// Every window the program knows, registered under its name.
void registerAllForms(FormRegistry& registry);
// The windows of one subsystem each.
void registerMainForms(FormRegistry& registry);
void registerFileCipherForms(FormRegistry& registry);
void registerWizardForms(FormRegistry& registry);
void registerStartupForms(FormRegistry& registry);
void registerAccessoryForms(FormRegistry& registry);
void registerBrowserForms(FormRegistry& registry);

// Loads the start window, whose load handler opens the program's first window.
void startProgram(FormRegistry& registry);

} // namespace ui
