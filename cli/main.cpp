// tessera-cli: the message and file ciphers of Tessera2, for scripts and
// headless use. The same operations as the windows, byte for byte.

#include "base/AppInfo.h"
#include "cli/Commands.h"
#include "cli/Signals.h"
#include "translations/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <functional>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace cli {

void reportError(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u'\n')
            line += QLatin1String("\\n");
        else if (u == u'\r')
            line += QLatin1String("\\r");
        else if (u == u'\t')
            line += QLatin1String("\\t");
        else if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || u == 0x2028 || u == 0x2029)
            line += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            line += ch;
    }
    std::fprintf(stderr, "tessera-cli: %s\n", line.toLocal8Bit().constData());
}

void reportInterrupted() {
    reportError(QCoreApplication::translate("cli", "interrupted; nothing was written"));
}

bool stderrIsTerminal() {
#if defined(Q_OS_UNIX)
    return ::isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}

} // namespace cli

namespace {

// What --help prints. The synopsis is the same in every language: it names
// the commands and options as they are typed.
const char kSynopsis[] =
    "  tessera-cli encrypt [--sealed] --password-file PW [--pic] [--junkbitz] [--raw]\n"
    "                      --output MESSAGEFILE [TEXTFILE]\n"
    "  tessera-cli decrypt [--sealed] --password-file PW [--raw] [--output TEXTFILE] MESSAGEFILE\n"
    "  tessera-cli encrypt-file [--sealed] --password-file PW INPUT OUTPUT\n"
    "  tessera-cli decrypt-file [--sealed] --password-file PW INPUT OUTPUT\n"
    "  tessera-cli encrypt --to RECIPIENT [--to ...] [--to-file FILE] [--raw]\n"
    "                      --output MESSAGEFILE [TEXTFILE]\n"
    "  tessera-cli decrypt --identity IDENTITY [--identity ...] [--password-file PW] [--raw]\n"
    "                      [--output TEXTFILE] MESSAGEFILE\n"
    "  tessera-cli encrypt-file --to RECIPIENT [--to ...] [--to-file FILE] INPUT OUTPUT\n"
    "  tessera-cli decrypt-file --identity IDENTITY [--identity ...] [--password-file PW]\n"
    "                           INPUT OUTPUT\n"
    "  tessera-cli keygen [--protect] [--password-file PW] --output IDENTITY\n"
    "  tessera-cli recipient [--password-file PW] IDENTITY\n"
    "  tessera-cli --help | --version\n";

// What --help says after the synopsis, a paragraph at a time; an empty entry
// is a blank line.
const char* const kHelp[] = {
    QT_TRANSLATE_NOOP(
        "cli",
        "encrypt    writes the message (TEXTFILE, or standard input) into a message file.\n"
        "decrypt    reads a message file and writes its text to TEXTFILE or standard output.\n"
        "encrypt-file, decrypt-file\n"
        "           encipher or decipher any file into a copy.\n"),
    "",
    QT_TRANSLATE_NOOP(
        "cli",
        "Two formats:\n"
        "classic    the default, which every earlier version of Tessera reads and writes. A\n"
        "           classical additive cipher: it hides a text from a casual reader, not from\n"
        "           a determined attacker, and a wrong password gives garbage without a word.\n"
        "           A message file holds one number line per character; --pic adds the\n"
        "           program's intrinsic code to the key, --junkbitz a junk number before every\n"
        "           value (the reader learns both from the file). A file's copy has its length.\n"),
    QT_TRANSLATE_NOOP(
        "cli",
        "--sealed   real, authenticated encryption: Argon2id and XChaCha20-Poly1305. A wrong\n"
        "           password or a changed, cut or reordered file is refused and nothing is\n"
        "           written. A sealed copy is 57 bytes longer than its input, plus 16 bytes\n"
        "           per 64 KiB; a sealed message may hold any character, and its file is\n"
        "           that copy of the text's UTF-8 in base64 under a tag line. Earlier versions\n"
        "           of Tessera cannot read it.\n"
        "           decrypt and decrypt-file recognise a sealed input by themselves; with\n"
        "           --sealed they insist on one and refuse a classic input. An input that is\n"
        "           almost sealed is refused as damaged, never read as classic.\n"
        "           A sealed file is only as strong as its password: on a terminal, encrypt\n"
        "           and encrypt-file warn in one line of a password guessed in under a year.\n"),
    "",
    QT_TRANSLATE_NOOP(
        "cli",
        "Sealed to people: a sealed file or message that opens with each person's own key,\n"
        "with no shared password (X25519, HKDF-SHA-256, ChaCha20-Poly1305):\n"
        "keygen     makes an identity (a secret key) in a new file that only its owner may\n"
        "           read, and prints its recipient: the public key, one line starting\n"
        "           tessera1, whose checksum catches every typo. Pass the recipient on; keep\n"
        "           the identity. Losing it loses what was sealed to it: keep a protected\n"
        "           copy. --protect puts the identity under a password (asked, or from\n"
        "           --password-file).\n"),
    QT_TRANSLATE_NOOP("cli", "recipient  prints the recipient of an identity file.\n"),
    QT_TRANSLATE_NOOP(
        "cli",
        "--to       seals to a recipient, --to-file to each recipient of a file (one a line;\n"
        "           # starts a comment, which may name the person); both may be repeated, and\n"
        "           no password is asked. Add your own recipient to read what you sent. A\n"
        "           recipient with a typo, or an identity given as one, is refused before\n"
        "           anything is written.\n"),
    QT_TRANSLATE_NOOP(
        "cli",
        "--identity opens what was sealed to it; several may be given. --password-file then\n"
        "           unlocks protected identities: the file itself needs no password.\n"),
    "",
    QT_TRANSLATE_NOOP(
        "cli",
        "PW holds the password (one trailing line end is ignored); without --password-file\n"
        "the password is asked on the terminal. Text is UTF-8; a classic message must fit the\n"
        "Windows-1252 code page, and --raw reads and writes its single-byte codes unconverted.\n"
        "Standard streams: \"-\" is standard input as TEXTFILE, MESSAGEFILE, INPUT or PW,\n"
        "and standard output as --output or OUTPUT; /dev/stdin, /dev/stdout, /dev/fd/N and\n"
        "/proc/self/fd/N are written and read through the descriptor itself, so a pipe\n"
        "works and a shell's >> appends. encrypt-file and decrypt-file take standard input\n"
        "only for a sealed file (the classic cipher needs its input's length), and an\n"
        "encrypted file is never written to a terminal. A pipe or device receives a sealed\n"
        "file's text as it is checked, so after a refusal discard what it already\n"
        "received; a regular file, one reached through a descriptor too, is never left\n"
        "partial.\n"),
    QT_TRANSLATE_NOOP(
        "cli", "A sealed input whose key costs more than the usual 3 passes over 64 MiB (a reader\n"
               "takes up to 10 passes over 1 GiB) is announced in one line before its key is\n"
               "derived; a signal ends the derivation at once.\n"),
    QT_TRANSLATE_NOOP(
        "cli",
        "Exit status: 0 success; 1 failure (the reason on standard error); 2 wrong usage;\n"
        "for a sealed input that was refused: 3 it does not open (the password is wrong,\n"
        "it is not sealed to the identities given, or it was changed), 4 it is damaged, cut\n"
        "short, or of a version or cost not taken, 5 --sealed was given and the input is not\n"
        "sealed.\n"),
};

QString usageText() {
    QString text = QCoreApplication::translate("cli", "Usage:\n") + QLatin1String(kSynopsis);
    text += QLatin1Char('\n');
    for (const char* paragraph : kHelp)
        text += *paragraph ? QCoreApplication::translate("cli", paragraph) : QStringLiteral("\n");
    return text;
}

// A command: its name, the options it takes, and what runs it.
struct Command {
    const char* name;
    QStringList options;
    int (*run)(const cli::Options&);
};

const Command kCommands[] = {
    {"encrypt",
     {"password-file", "output", "pic", "junkbitz", "raw", "sealed", "to", "to-file"},
     cli::encryptCommand},
    {"decrypt", {"password-file", "output", "raw", "sealed", "identity"}, cli::decryptCommand},
    {"encrypt-file", {"password-file", "sealed", "to", "to-file"}, cli::encryptFileCommand},
    {"decrypt-file", {"password-file", "sealed", "identity"}, cli::decryptFileCommand},
    {"keygen", {"protect", "password-file", "output"}, cli::keygenCommand},
    {"recipient", {"password-file"}, cli::recipientCommand},
};

QCommandLineOption optionNamed(const QString& name) {
    if (name == QLatin1String("password-file"))
        return {name, QCoreApplication::translate("cli", "The file that holds the password."),
                QStringLiteral("PW")};
    if (name == QLatin1String("output"))
        return {name,
                QCoreApplication::translate("cli", "The file to write; - is standard output."),
                QStringLiteral("FILE")};
    if (name == QLatin1String("to"))
        return {name, QCoreApplication::translate("cli", "A person's recipient."),
                QStringLiteral("RECIPIENT")};
    if (name == QLatin1String("to-file"))
        return {name, QCoreApplication::translate("cli", "A file of recipients."),
                QStringLiteral("FILE")};
    if (name == QLatin1String("identity"))
        return {name, QCoreApplication::translate("cli", "An identity file."),
                QStringLiteral("IDENTITY")};
    return {name, name};
}

// Parses the command's own options; nothing, after one line on standard
// error, when the command line is wrong.
std::optional<cli::Options> parse(const Command& command, const QStringList& args) {
    const QString name = QString::fromLatin1(command.name);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& option : command.options)
        parser.addOption(optionNamed(option));
    if (!parser.parse(QStringList{name} + args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            cli::reportError(
                QCoreApplication::translate("cli", "%1: unknown option --%2 (see --help)")
                    .arg(name, unknown.constFirst()));
        } else {
            cli::reportError(QCoreApplication::translate("cli", "%1: %2 (see --help)")
                                 .arg(name, parser.errorText()));
        }
        return std::nullopt;
    }
    const auto value = [&](const char* option) {
        const QString key = QString::fromLatin1(option);
        return command.options.contains(key) ? parser.value(key) : QString();
    };
    const auto isSet = [&](const char* option) {
        const QString key = QString::fromLatin1(option);
        return command.options.contains(key) && parser.isSet(key);
    };
    cli::Options options;
    options.passwordFile = value("password-file");
    options.output = value("output");
    options.pic = isSet("pic");
    options.junkBitz = isSet("junkbitz");
    options.raw = isSet("raw");
    options.sealed = isSet("sealed");
    options.protect = isSet("protect");
    const auto values = [&](const char* option) {
        const QString key = QString::fromLatin1(option);
        return command.options.contains(key) ? parser.values(key) : QStringList();
    };
    options.to = values("to");
    options.toFiles = values("to-file");
    options.identities = values("identity");
    options.positional = parser.positionalArguments();
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessera-cli"));
    QCoreApplication::setApplicationVersion(base::kVersion);
    // Help and reasons in the user's language; what goes into files never.
    const i18n::Translation translation;
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs(qPrintable(usageText()), stderr);
        return cli::kUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help") || args.contains(QLatin1String("--help"))) {
        std::fputs(qPrintable(usageText()), stdout);
        return cli::kOk;
    }
    if (name == QLatin1String("--version")) {
        std::printf("tessera-cli %s\n", qPrintable(base::kVersion));
        return cli::kOk;
    }
    for (const Command& command : kCommands) {
        if (name != QLatin1String(command.name))
            continue;
        const auto options = parse(command, args);
        if (!options)
            return cli::kUsage;
        // From here a signal stops the command cleanly; one that comes after
        // the command has put its result in place changes nothing.
        cli::StopSignals stopSignals;
        const int status = command.run(*options);
        if (status != cli::kOk && cli::StopSignals::received())
            stopSignals.endBySignal();
        return status;
    }
    cli::reportError(
        QCoreApplication::translate("cli", "unknown command %1 (see --help)").arg(name));
    return cli::kUsage;
}
