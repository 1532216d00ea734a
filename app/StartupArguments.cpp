#include "app/StartupArguments.h"

#include "base/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace app {

EarlyRequest earlyRequest(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        // What follows "--webEngineArgs" is the web engine's, not ours.
        if (a == QLatin1String("--") ||
            a.compare(QLatin1String("--webEngineArgs"), Qt::CaseInsensitive) == 0)
            break;
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return EarlyRequest::Help;
        if (a == QLatin1String("--version"))
            return EarlyRequest::Version;
    }
    return EarlyRequest::None;
}

namespace {

// What --help says after the synopsis, which names the program and its
// options as they are typed in every language.
const char kSynopsis[] = "  tessera [QT-OPTIONS] [--webEngineArgs ENGINE-OPTIONS]\n"
                         "  tessera --help | --version\n";
const char* const kHelp[] = {
    QT_TRANSLATE_NOOP("app",
                      "Tessera2 encrypts short typed messages into message files and enciphers\n"
                      "whole files into copies, under a password. A wizard leads through one\n"
                      "operation page by page; the advanced mode is one window with every command\n"
                      "at hand. tessera-cli runs the same operations from scripts.\n"),
    QT_TRANSLATE_NOOP("app",
                      "It needs a desktop session; without one, run it under a virtual X server:\n"
                      "xvfb-run -a tessera.\n"),
    QT_TRANSLATE_NOOP(
        "app", "QT-OPTIONS are Qt's own, for example -style Fusion, -reverse or\n"
               "-platform offscreen. ENGINE-OPTIONS are the web page viewer's (Qt WebEngine),\n"
               "for example --webEngineArgs --no-sandbox; the engine reads none of the\n"
               "options before --webEngineArgs, and none at all while the variable\n"
               "QTWEBENGINE_CHROMIUM_FLAGS is set.\n"),
    QT_TRANSLATE_NOOP(
        "app", "Two formats. Classic, the default, is a classical additive cipher kept so\n"
               "that files of earlier versions still open; a file's copy has its length. It\n"
               "hides a message from a casual reader; it does not protect it against a\n"
               "determined attacker. Sealed (the options window, the wizard's options page\n"
               "or the file window's Sealed box) is real, authenticated encryption with\n"
               "Argon2id and XChaCha20-Poly1305: a wrong password or a changed file is\n"
               "refused. A sealed copy is 57 bytes longer than its input, plus 16 bytes per\n"
               "64 KiB. With Sealed chosen, decrypting insists on a sealed input; without,\n"
               "a sealed input is recognised by itself.\n"),
};

} // namespace

QString helpText() {
    QString text = QCoreApplication::translate("app", "Usage:\n") + QLatin1String(kSynopsis);
    for (const char* paragraph : kHelp)
        text += QLatin1Char('\n') + QCoreApplication::translate("app", paragraph);
    return text;
}

QString versionText() {
    return QStringLiteral("tessera %1\n").arg(base::kVersion);
}

namespace {

QString shellQuoted(const QString& word) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+:,=@%-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// The executable a bare name runs, searched on `path` as a shell does.
QString onPath(const QString& name, const QString& path) {
    for (const QString& dir : path.split(QLatin1Char(':'))) {
        // An empty entry is the current folder, which an installed program
        // does not rely on.
        if (dir.isEmpty())
            continue;
        const QFileInfo candidate(QDir(dir), name);
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.canonicalFilePath();
    }
    return QString();
}

} // namespace

QString commandToStart(const QString& startedAs, const QString& executable, const QString& path) {
    const QString self = QFileInfo(executable).canonicalFilePath();
    const QString name = QFileInfo(executable).fileName();
    if (!self.isEmpty() && onPath(name, path) == self)
        return shellQuoted(name);
    if (startedAs.contains(QLatin1Char('/')))
        return shellQuoted(startedAs);
    return shellQuoted(executable);
}

QString noDisplayHint(const QString& command) {
    return QCoreApplication::translate("app", "tessera: no display found; start it from a desktop "
                                              "session, or headless with: xvfb-run -a %1\n")
        .arg(command);
}

} // namespace app
