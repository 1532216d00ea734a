// The web browser control on Qt WebEngine. This file is a library of its own
// (see CMakeLists.txt): the web engine is large and slow to load, so only the
// programs that show web pages link it, and linking it is what installs it.

#include "platform/BrowserControl.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace platform {
namespace {

// The Qt WebEngine control. Every control has its own page and history on the
// default profile, which keeps nothing on disk.
class WebEngineBrowserControl final : public BrowserControl {
public:
    explicit WebEngineBrowserControl(QWidget* parent)
        : BrowserControl(parent), m_view(new QWebEngineView(this)) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_view);
        setFocusProxy(m_view);
        connect(m_view->page(), &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) { loadingChanged(info); });
        connect(m_view, &QWebEngineView::urlChanged, this, [this] { urlChanged(); });
    }

    void navigate(const QString& address) override {
        const QUrl url = addressToUrl(address);
        if (!url.isValid())
            return;
        requested();
        m_view->load(url);
    }

    void goBack() override {
        if (!m_view->history()->canGoBack())
            return;
        requested();
        m_view->back();
    }

    void goForward() override {
        if (!m_view->history()->canGoForward())
            return;
        requested();
        m_view->forward();
    }

    void goHome() override { navigate(homePage()); }

    void refresh() override {
        if (m_view->url().isEmpty())
            return;
        requested();
        m_view->reload();
    }

    void stop() override {
        m_requested = false;
        m_loading = false;
        m_view->stop();
    }

    QString locationName() const override { return m_view->title(); }
    QString locationURL() const override { return m_view->url().toString(); }
    bool busy() const override { return m_requested || m_loading; }

private:
    // A load was asked for: the control counts as busy from here, even before
    // the engine reports that the load has started.
    void requested() { m_requested = true; }

    void loadingChanged(const QWebEngineLoadingInfo& info) {
        m_requested = false;
        m_loading = info.status() == QWebEngineLoadingInfo::LoadStartedStatus;
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
            break;
        case QWebEngineLoadingInfo::LoadSucceededStatus:
        case QWebEngineLoadingInfo::LoadFailedStatus:
            // A failed load arrives at the engine's error page, which still
            // carries the address that was asked for.
            emit navigateComplete2(locationURL());
            emit downloadComplete();
            break;
        case QWebEngineLoadingInfo::LoadStoppedStatus:
            emit downloadComplete();
            break;
        }
    }

    // A move within the page (an anchor, a script's history entry) changes the
    // address without any load: it has arrived as soon as it is reported.
    void urlChanged() {
        if (m_loading)
            return;
        m_requested = false;
        emit navigateComplete2(locationURL());
    }

    QWebEngineView* m_view;
    bool m_requested = false;
    bool m_loading = false;
};

BrowserControl* createWebEngineBrowserControl(QWidget* parent) {
    return new WebEngineBrowserControl(parent);
}

// Where the engine finds one of its files: only in the folder its variable
// names, when there is one and it is set; else the first of its usual folders
// that holds the file. Empty when none does.
QString findEngineFile(const char* variable, const QStringList& folders, const QString& name) {
    const QStringList searched =
        variable && qEnvironmentVariableIsSet(variable) ? QStringList{qEnvironmentVariable(variable)}
                                                        : folders;
    for (const QString& folder : searched) {
        const QString path = folder + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

// Judged by what the engine itself will read, not by the program's own
// arguments: "tessera --no-sandbox" leaves the engine's sandbox on.
bool sandboxSwitchedOff() {
    const std::optional<QString> flags =
        qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")
            ? std::optional<QString>(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS"))
            : std::nullopt;
    return webEngineSandboxOff(webEngineArguments(QCoreApplication::arguments(), flags),
                               qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
}

// What would stop the engine as it starts: it ends the process then (as root
// with its sandbox on, or without its helper program or its resources), so
// each is checked before the engine is asked for anything.
std::optional<QString> webEngineProblem() {
#ifdef Q_OS_UNIX
    if (geteuid() == 0 && !sandboxSwitchedOff()) {
        return QCoreApplication::translate(
            "platform", "the web engine does not run for the administrator (root) with its "
                        "sandbox on. Run Tessera2 as an ordinary user, or set "
                        "QTWEBENGINE_DISABLE_SANDBOX=1 to switch the sandbox off");
    }
#endif
    const QString appDir = QCoreApplication::applicationDirPath();
    // The helper's variable names the program itself, not its folder.
    const QString process =
        qEnvironmentVariableIsSet("QTWEBENGINEPROCESS_PATH")
            ? qEnvironmentVariable("QTWEBENGINEPROCESS_PATH")
            : findEngineFile(nullptr, {appDir, QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath)},
                             QStringLiteral("QtWebEngineProcess"));
    if (process.isEmpty() || !QFileInfo(process).isExecutable())
        return QCoreApplication::translate(
            "platform", "the web engine's helper program (QtWebEngineProcess) is missing");
    const QString data = QLibraryInfo::path(QLibraryInfo::DataPath);
    if (findEngineFile("QTWEBENGINE_RESOURCES_PATH", {data + QStringLiteral("/resources"), data, appDir},
                       QStringLiteral("qtwebengine_resources.pak"))
            .isEmpty())
        return QCoreApplication::translate(
            "platform", "the web engine's resources (qtwebengine_resources.pak) are missing");
    return std::nullopt;
}

// Made the browser engine of the services while the program is loaded, before
// main(): nothing can ask for a control earlier, and no program that links this
// file can forget to. Tests that install services of their own start from
// these and keep the engine unless they fake it.
[[maybe_unused]] const bool g_installed = [] {
    Services withEngine = services();
    withEngine.browser = {&createWebEngineBrowserControl, &webEngineProblem};
    installServices(withEngine);
    return true;
}();

} // namespace
} // namespace platform
