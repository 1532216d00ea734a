// Identity files and people files (Identity.h; FORMAT.md, "Keys").

#include "base/Wipe.h"
#include "sealed/Identity.h"
#include "sealed/Message.h"

#include <QByteArrayView>
#include <functional>

namespace sealed {
namespace {

const QByteArray kNotice =
    QByteArrayLiteral("# Tessera identity: a secret key. Whoever holds this file can open what "
                      "was\n# sealed to its recipient; if it is lost, nobody can. Keep a "
                      "protected copy.\n");
const QByteArray kProtectedNotice =
    QByteArrayLiteral("# Tessera identity, protected by a password: a secret key. If it is "
                      "lost, or\n# its password forgotten, nobody can open what was sealed to "
                      "its recipient.\n");

// Calls visit with each line (its number from 1, its text without the line
// end, where it starts) until visit returns false. The lines are views of
// the content: a secret is not copied.
void forEachLine(QByteArrayView content,
                 const std::function<bool(int, QByteArrayView, qsizetype)>& visit) {
    qsizetype pos = 0;
    for (int number = 1; pos < content.size(); ++number) {
        qsizetype end = content.indexOf('\n', pos);
        if (end < 0)
            end = content.size();
        QByteArrayView line = content.sliced(pos, end - pos);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!visit(number, line, pos))
            return;
        pos = end + 1;
    }
}

bool skipped(QByteArrayView line) {
    const QByteArrayView text = line.trimmed();
    return text.isEmpty() || text.startsWith('#');
}

// Where the first line that is neither blank nor a comment starts; -1 if none.
qsizetype firstContent(QByteArrayView content) {
    qsizetype found = -1;
    forEachLine(content, [&](int, QByteArrayView line, qsizetype at) {
        if (skipped(line))
            return true;
        found = at;
        return false;
    });
    return found;
}

Result unsupported(const QString& text) {
    return {Status::Unsupported, text};
}

// The identities of an unprotected identity file. Its lines are never shown
// in a message: they are secret.
Result readPlainIdentities(QByteArrayView content, QList<Identity>* identities) {
    QList<Identity> found;
    Result result = Result::success();
    forEachLine(content, [&](int number, QByteArrayView line, qsizetype) {
        if (skipped(line))
            return true;
        QString text = QString::fromLatin1(line.trimmed());
        KeyTextProblem problem = KeyTextProblem::None;
        if (std::optional<Identity> identity = parseIdentity(text)) {
            found.append(*identity);
        } else if (parseRecipient(text, &problem)) {
            result = unsupported(QStringLiteral("It holds a recipient (a public key) on line %1, "
                                                "which opens nothing: give the identity file "
                                                "that was made with it.")
                                     .arg(number));
        } else {
            result = unsupported(QStringLiteral("Its line %1 is not an identity.").arg(number));
        }
        base::wipe(text);
        return result.ok();
    });
    if (result.ok() && found.isEmpty())
        result = unsupported(QStringLiteral("It holds no identity."));
    if (result.ok())
        *identities += found;
    return result;
}

} // namespace

std::optional<QList<Person>> parsePeople(const QByteArray& content, PeopleProblem* problem) {
    QList<Person> people;
    *problem = {};
    forEachLine(content, [&](int number, QByteArrayView line, qsizetype) {
        const qsizetype hash = line.indexOf('#');
        const QByteArrayView key = (hash < 0 ? line : line.first(hash)).trimmed();
        if (key.isEmpty())
            return true;
        Person person;
        const auto recipient = parseRecipient(QString::fromUtf8(key), &problem->problem);
        if (!recipient) {
            problem->line = number;
            problem->given = QString::fromUtf8(key);
            return false;
        }
        person.recipient = *recipient;
        if (hash >= 0)
            person.name = QString::fromUtf8(line.sliced(hash + 1).trimmed());
        people.append(person);
        return true;
    });
    if (problem->problem != KeyTextProblem::None)
        return std::nullopt;
    return people;
}

QByteArray peopleFile(const QList<Person>& people) {
    QByteArray out;
    for (const Person& person : people) {
        out += recipientText(person.recipient).toLatin1();
        // A name stays on its line, whatever it holds.
        QString name = person.name.simplified();
        if (!name.isEmpty())
            out += "  # " + name.toUtf8();
        out += '\n';
    }
    return out;
}

bool isProtectedIdentityFile(const QByteArray& content) {
    const qsizetype at = firstContent(content);
    if (at < 0)
        return false;
    const qsizetype end = content.indexOf('\n', at);
    const QByteArrayView line =
        QByteArrayView(content).sliced(at, (end < 0 ? content.size() : end) - at).trimmed();
    return line == '"' + kSealedTag + '"';
}

Result identityFile(const Identity& identity, const QString* password, QByteArray* file,
                    const Params& params) {
    const QByteArray recipientLine =
        "# recipient: " + recipientText(identity.recipient()).toLatin1() + '\n';
    QString secret = identityText(identity);
    QByteArray plain = kNotice + recipientLine + secret.toLatin1() + '\n';
    base::wipe(secret);
    if (!password) {
        *file = plain;
        return Result::success();
    }
    QString text = QString::fromLatin1(plain);
    base::wipe(plain);
    QByteArray sealedText;
    const Result result = sealMessage(text, *password, &sealedText, params);
    base::wipe(text);
    if (result.ok())
        *file = kProtectedNotice + recipientLine + sealedText;
    return result;
}

Result readIdentityFile(const QByteArray& content, const QString* password,
                        QList<Identity>* identities, const Limits& limits) {
    if (content.size() > kMaxKeyFileSize)
        return {Status::LimitsExceeded, QStringLiteral("It is far larger than an identity file.")};
    if (!isProtectedIdentityFile(content))
        return readPlainIdentities(content, identities);
    if (!password) {
        return {Status::NeedsPassword, QStringLiteral("The identity is protected by a password.")};
    }
    QString text;
    Result result = openMessage(content.sliced(firstContent(content)), *password, &text, limits);
    if (!result.ok()) {
        if (result.status == Status::WrongPasswordOrDamaged)
            result.message = QStringLiteral("The identity's password is wrong, or the file was "
                                            "changed.");
        return result;
    }
    QByteArray inner = text.toUtf8();
    base::wipe(text);
    if (isProtectedIdentityFile(inner))
        result = unsupported(QStringLiteral("It is protected twice over."));
    else
        result = readPlainIdentities(inner, identities);
    base::wipe(inner);
    return result;
}

} // namespace sealed
