#include "platform/BrowserControl.h"

#include <QList>
#include <QUrl>
#include <QVBoxLayout>

#ifdef TESSERA_HAVE_WEBENGINE
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>
#endif

namespace platform {

BrowserControl::BrowserControl(QWidget* parent) : QWidget(parent) {}

BrowserControl::~BrowserControl() = default;

namespace {

// An address as a user types it: "about:blank", "https://...", "example.org",
// "127.0.0.1:8080/page.html" or a local file path.
QUrl addressToUrl(const QString& address) {
    return QUrl::fromUserInput(address.trimmed());
}

#ifdef TESSERA_HAVE_WEBENGINE

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

#else

// Without a web engine: a blank page that keeps the addresses it was sent to
// as its history, so that the viewer around it still behaves.
class BlankBrowserControl final : public BrowserControl {
public:
    explicit BlankBrowserControl(QWidget* parent) : BrowserControl(parent) {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        setPalette(pal);
    }

    void navigate(const QString& address) override {
        const QUrl url = addressToUrl(address);
        if (!url.isValid())
            return;
        m_history = m_history.mid(0, m_current + 1);
        m_history.append(url.toString());
        arrive(m_history.size() - 1);
    }
    void goBack() override {
        if (m_current > 0)
            arrive(m_current - 1);
    }
    void goForward() override {
        if (m_current + 1 < m_history.size())
            arrive(m_current + 1);
    }
    void goHome() override { navigate(homePage()); }
    void refresh() override {
        if (m_current >= 0)
            arrive(m_current);
    }
    void stop() override {}

    QString locationName() const override { return locationURL(); }
    QString locationURL() const override {
        return m_current >= 0 ? m_history[m_current] : QString();
    }
    bool busy() const override { return false; }

private:
    void arrive(qsizetype index) {
        m_current = index;
        emit navigateComplete2(locationURL());
        emit downloadComplete();
    }

    QList<QString> m_history;
    qsizetype m_current = -1;
};

#endif

BrowserControlFactory g_factory = nullptr;

} // namespace

BrowserControl* createSystemBrowserControl(QWidget* parent) {
#ifdef TESSERA_HAVE_WEBENGINE
    return new WebEngineBrowserControl(parent);
#else
    return new BlankBrowserControl(parent);
#endif
}

BrowserControl* createBrowserControl(QWidget* parent) {
    return g_factory ? g_factory(parent) : createSystemBrowserControl(parent);
}

BrowserControlFactory setBrowserControlFactory(BrowserControlFactory factory) {
    const BrowserControlFactory previous = g_factory;
    g_factory = factory;
    return previous;
}

} // namespace platform
