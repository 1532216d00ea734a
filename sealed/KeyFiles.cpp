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

Result unsupported(base::Fault fault, qint64 line = 0) {
    return refusal(Status::Unsupported, fault, line);
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
            result = unsupported(base::Fault::IdentityFileHoldsRecipient, number);
        } else {
            result = unsupported(base::Fault::IdentityFileBadLine, number);
        }
        base::wipe(text);
        return result.ok();
    });
    if (result.ok() && found.isEmpty())
        result = unsupported(base::Fault::IdentityFileEmpty);
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
        return refusal(Status::LimitsExceeded, base::Fault::IdentityFileTooLarge);
    if (!isProtectedIdentityFile(content))
        return readPlainIdentities(content, identities);
    if (!password) {
        return refusal(Status::NeedsPassword, base::Fault::IdentityNeedsPassword);
    }
    QString text;
    Result result = openMessage(content.sliced(firstContent(content)), *password, &text, limits);
    if (!result.ok()) {
        if (result.status == Status::WrongPasswordOrDamaged)
            result.failure = base::failure(base::Fault::IdentityWrongPassword);
        return result;
    }
    QByteArray inner = text.toUtf8();
    base::wipe(text);
    if (isProtectedIdentityFile(inner))
        result = unsupported(base::Fault::IdentityProtectedTwice);
    else
        result = readPlainIdentities(inner, identities);
    base::wipe(inner);
    return result;
}

} // namespace sealed
