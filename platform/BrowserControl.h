#pragma once

// The web browser control: a widget that fetches and draws web pages, used
// only through this small automation interface (navigate, back, forward,
// home, refresh, stop, the page's title and address, busy, and two
// notifications). The program's control is built on Qt WebEngine in its own
// library (WebEngineBrowserControl.cpp), which only the programs that show web
// pages link; tests put a scripted control in its place through the browser
// engine of the services in force (platform/Services.h).

#include "platform/Services.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

class QUrl;

namespace platform {

class BrowserControl : public QWidget {
    Q_OBJECT
public:
    explicit BrowserControl(QWidget* parent = nullptr);
    ~BrowserControl() override;

    // Starts loading an address as typed ("www.example.org" works too).
    virtual void navigate(const QString& address) = 0;
    // Each does nothing when there is nowhere to go.
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    // Navigates to homePage().
    virtual void goHome() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;

    // The current page's title, its address, and whether a page is loading.
    virtual QString locationName() const = 0;
    virtual QString locationURL() const = 0;
    virtual bool busy() const = 0;

    // The page goHome() opens; "about:blank" until set.
    QString homePage() const { return m_homePage; }
    void setHomePage(const QString& address) { m_homePage = address; }

protected:
    // An address as a user types it: "about:blank", "https://...",
    // "example.org", "127.0.0.1:8080/page.html" or a local file path.
    static QUrl addressToUrl(const QString& address);

signals:
    // A load has ended: finished, failed or stopped.
    void downloadComplete();
    // A navigation has arrived at a page (an error page included); carries its address.
    void navigateComplete2(const QString& url);

private:
    QString m_homePage = QStringLiteral("about:blank");
};

// A new control from the browser engine in force: Qt WebEngine where that
// library is linked in, a test's scripted control while one is installed,
// else a blank page that only remembers the addresses it was sent to.
BrowserControl* createBrowserControl(QWidget* parent = nullptr);

// Why the controls of the engine in force cannot start on this machine, as a
// clause ("the web engine's helper program … is missing"); nothing when they
// can, and nothing for an engine that has no check (a test's). Asked before
// every new viewer: an engine that fails to start may end the whole process,
// and the typed message with it.
std::optional<QString> browserProblem();

// The arguments the web engine reads, as it reads them: those of the variable
// QTWEBENGINE_CHROMIUM_FLAGS when it is set (`chromiumFlags`), else those
// that follow "--webEngineArgs" among the program's arguments, else none. So
// "tessera --no-sandbox" says nothing to the engine.
QStringList webEngineArguments(const QStringList& programArguments,
                               const std::optional<QString>& chromiumFlags);

// Whether the engine will run without its sandbox: with the variable
// QTWEBENGINE_DISABLE_SANDBOX set, or with --no-sandbox among its arguments.
bool webEngineSandboxOff(const QStringList& engineArguments, bool disableSandboxSet);

} // namespace platform
