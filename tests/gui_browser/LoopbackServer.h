#pragma once

// A small web server on 127.0.0.1 only, for the real browser control: it
// serves a few fixed pages over HTTP/1.0 and closes every connection after one
// answer. "/slow.html" answers after a delay, so that a load can be watched
// (and stopped) while it runs.

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>

namespace testsupport {

class LoopbackServer : public QObject {
    Q_OBJECT
public:
    LoopbackServer();

    bool listening() const { return m_server.isListening(); }
    // "http://127.0.0.1:<port><path>".
    QString url(const QString& path) const;
    // How many requests reached the server, by path.
    int hits(const QString& path) const { return m_hits.value(path); }

    void setPage(const QString& path, const QByteArray& html) { m_pages.insert(path, html); }
    int slowDelayMs = 3000;

private:
    void serve();

    QTcpServer m_server;
    QHash<QString, QByteArray> m_pages;
    QHash<QString, int> m_hits;
};

// A port on 127.0.0.1 where nothing listens (taken and released again).
quint16 closedLoopbackPort();

} // namespace testsupport
