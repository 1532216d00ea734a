#include "LoopbackServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace testsupport {

namespace {

QByteArray page(const QByteArray& title, const QByteArray& body) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title +
           "</title></head><body style=\"font-family: sans-serif; background: #fdfbf3\">" + body +
           "</body></html>";
}

QByteArray answer(const QByteArray& status, const QByteArray& html) {
    return "HTTP/1.0 " + status +
           "\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n"
           "Content-Length: " +
           QByteArray::number(html.size()) + "\r\nConnection: close\r\n\r\n" + html;
}

} // namespace

LoopbackServer::LoopbackServer() {
    setPage(QStringLiteral("/page1.html"),
            page("Page One", "<h1>Tessera2 on loopback</h1>"
                             "<p>This is the first test page, served by the test on "
                             "127.0.0.1.</p><p><a href=\"page2.html\">On to page two</a></p>"));
    setPage(QStringLiteral("/page2.html"),
            page("Page Two", "<h1>Page two</h1><p>The second test page.</p>"
                             "<p><a href=\"page1.html\">Back to page one</a></p>"));
    setPage(QStringLiteral("/slow.html"), page("Slow Page", "<p>Worth the wait.</p>"));
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::serve);
    m_server.listen(QHostAddress::LocalHost, 0);
}

QString LoopbackServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void LoopbackServer::serve() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine() || socket->property("answered").toBool())
                return;
            socket->setProperty("answered", true);
            // "GET /page1.html HTTP/1.1"
            const QList<QByteArray> request = socket->readLine().simplified().split(' ');
            const QString path = request.size() >= 2 ? QString::fromLatin1(request[1]) : QString();
            m_hits[path] += 1;
            const auto it = m_pages.constFind(path);
            const QByteArray reply =
                it != m_pages.cend()
                    ? answer("200 OK", *it)
                    : answer("404 Not Found", page("Not Found", "<p>No such page.</p>"));
            QPointer<QTcpSocket> guard(socket);
            auto send = [guard, reply] {
                if (!guard)
                    return;
                guard->write(reply);
                guard->disconnectFromHost();
            };
            if (path == QLatin1String("/slow.html"))
                QTimer::singleShot(slowDelayMs, socket, send);
            else
                send();
        });
    }
}

quint16 closedLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace testsupport
