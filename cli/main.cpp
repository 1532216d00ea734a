// tessera-cli: the message and file ciphers of Tessera2, for scripts and
// headless use. The same operations as the windows, byte for byte.

#include "cli/Commands.h"

#include <QCoreApplication>
#include <cstdio>

namespace cli {

void reportError(const QString& text) {
    std::fprintf(stderr, "tessera-cli: %s\n", text.toLocal8Bit().constData());
}

std::optional<Options> parseOptions(const QString& command, const QStringList& args,
                                    const QStringList& allowed) {
    Options options;
    bool onlyPositional = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (onlyPositional || !arg.startsWith(QLatin1String("--")) || arg == QLatin1String("-")) {
            options.positional.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            onlyPositional = true;
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        bool hasValue = false;
        if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq >= 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
            hasValue = true;
        }
        if (!allowed.contains(name)) {
            reportError(QStringLiteral("%1: unknown option --%2 (see --help)").arg(command, name));
            return std::nullopt;
        }
        const bool takesValue = name == QLatin1String("password-file") ||
                                name == QLatin1String("output");
        if (takesValue && !hasValue) {
            if (i + 1 >= args.size()) {
                reportError(QStringLiteral("%1: --%2 needs a value").arg(command, name));
                return std::nullopt;
            }
            value = args.at(++i);
        } else if (!takesValue && hasValue) {
            reportError(QStringLiteral("%1: --%2 takes no value").arg(command, name));
            return std::nullopt;
        }
        if (name == QLatin1String("password-file"))
            options.passwordFile = value;
        else if (name == QLatin1String("output"))
            options.output = value;
        else if (name == QLatin1String("pic"))
            options.pic = true;
        else if (name == QLatin1String("junkbitz"))
            options.junkBitz = true;
        else if (name == QLatin1String("raw"))
            options.raw = true;
    }
    return options;
}

} // namespace cli

namespace {

const char kUsageText[] =
    "Usage:\n"
    "  tessera-cli encrypt --password-file PW [--pic] [--junkbitz] [--raw] --output MESSAGEFILE "
    "[TEXTFILE]\n"
    "  tessera-cli decrypt --password-file PW [--raw] [--output TEXTFILE] MESSAGEFILE\n"
    "  tessera-cli encrypt-file --password-file PW INPUT OUTPUT\n"
    "  tessera-cli decrypt-file --password-file PW INPUT OUTPUT\n"
    "  tessera-cli --help | --version\n"
    "\n"
    "encrypt    writes the message (TEXTFILE, or standard input) into a message file.\n"
    "           --pic adds the program's intrinsic code to the key; --junkbitz puts a\n"
    "           junk number before every value. The reader learns both from the file.\n"
    "decrypt    reads a message file and writes its text to TEXTFILE or standard output.\n"
    "encrypt-file, decrypt-file\n"
    "           encipher or decipher any file into a copy of the same length.\n"
    "\n"
    "PW holds the password (one trailing line end is ignored); without --password-file\n"
    "the password is asked on the terminal. Text is UTF-8 and must fit the Windows-1252\n"
    "code page; --raw reads and writes the single-byte codes unconverted.\n"
    "Exit status: 0 success, 1 failure (the reason on standard error), 2 wrong usage.\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessera-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_STRING));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs(kUsageText, stderr);
        return cli::kUsage;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        std::fputs(kUsageText, stdout);
        return cli::kOk;
    }
    if (command == QLatin1String("--version")) {
        std::printf("tessera-cli %s\n", PROJECT_VERSION_STRING);
        return cli::kOk;
    }
    if (args.contains(QLatin1String("--help"))) {
        std::fputs(kUsageText, stdout);
        return cli::kOk;
    }
    if (command == QLatin1String("encrypt"))
        return cli::encryptCommand(args);
    if (command == QLatin1String("decrypt"))
        return cli::decryptCommand(args);
    if (command == QLatin1String("encrypt-file"))
        return cli::encryptFileCommand(args);
    if (command == QLatin1String("decrypt-file"))
        return cli::decryptFileCommand(args);
    cli::reportError(QStringLiteral("unknown command %1 (see --help)").arg(command));
    return cli::kUsage;
}
