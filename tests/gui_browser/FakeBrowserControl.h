#pragma once

// A browser control whose pages the test delivers by hand: it records every
// request, counts as busy from a request until the test calls arrive() or
// fail(), and keeps a back/forward history like a real control.

#include "platform/BrowserControl.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace testsupport {

class FakeBrowserControl : public platform::BrowserControl {
    Q_OBJECT
public:
    explicit FakeBrowserControl(QWidget* parent = nullptr) : BrowserControl(parent) {}

    // Every call, in order: "navigate <address>", "back", "forward", "home",
    // "refresh", "stop".
    QStringList calls;

    void navigate(const QString& address) override {
        calls << QStringLiteral("navigate ") + address;
        m_pending = address;
        m_busy = true;
    }
    void goBack() override {
        calls << QStringLiteral("back");
        if (m_current > 0)
            request(m_current - 1);
    }
    void goForward() override {
        calls << QStringLiteral("forward");
        if (m_current + 1 < m_pages.size())
            request(m_current + 1);
    }
    void goHome() override {
        calls << QStringLiteral("home");
        m_pending = homePage();
        m_busy = true;
    }
    void refresh() override {
        calls << QStringLiteral("refresh");
        if (m_current >= 0)
            request(m_current);
    }
    void stop() override {
        calls << QStringLiteral("stop");
        if (m_busy) {
            m_busy = false;
            emit downloadComplete();
        }
    }

    QString locationName() const override {
        return m_current >= 0 ? m_pages[m_current].title : QString();
    }
    QString locationURL() const override {
        return m_current >= 0 ? m_pages[m_current].url : QString();
    }
    bool busy() const override { return m_busy; }

    // The pending request arrives at `url` (which may differ from the address
    // asked for, as a server's redirect or a trailing slash does) titled `title`.
    void arrive(const QString& url, const QString& title) {
        if (m_historyTarget >= 0) {
            m_current = m_historyTarget;
            m_historyTarget = -1;
        } else {
            m_pages = m_pages.mid(0, m_current + 1);
            m_pages.append({url, title});
            m_current = m_pages.size() - 1;
        }
        m_busy = false;
        emit navigateComplete2(locationURL());
        emit downloadComplete();
    }
    // A back, forward or refresh request arrives at its page.
    void arriveInHistory() { arrive(QString(), QString()); }

    QString pending() const { return m_pending; }

private:
    struct Page {
        QString url;
        QString title;
    };
    void request(qsizetype index) {
        m_historyTarget = index;
        m_busy = true;
    }

    QList<Page> m_pages;
    qsizetype m_current = -1;
    qsizetype m_historyTarget = -1;
    QString m_pending;
    bool m_busy = false;
};

} // namespace testsupport
