// Keys as text: recipients that refuse every typo, identities that are never
// taken for recipients, identity files (protected or not) and people files.

#include "RecipientsTestSupport.h"
#include "base/Wipe.h"
#include "words/Describe.h"

#include <QSet>
#include <random>

using namespace recipientstest;

namespace {

constexpr char kAlphabet[] = "qpzry9x8gf2tvdw0s3jn54khce6mua7l";

TEST(SealedKeys, Bech32mAgreesWithBip350Vectors) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"A1LQFN3A", true},
        {"a1lqfn3a", true},
        {"an83characterlonghumanreadablepartthatcontainsthetheexcludedcharactersbioandnumber11sg7hg"
         "6",
         true},
        {"abcdef1l7aum6echk45nj3s0wdvt2fg8x9yrzpqzd3ryx", true},
        {"11llllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllllludsr"
         "8",
         true},
        {"split1checkupstagehandshakeupstreamerranterredcaperredlc445v", true},
        {"?1v759aa", true},
        {"a12uel5l", false}, // bech32, not bech32m
        {"abcdef1qpzry9x8gf2tvdw0s3jn54khce6mua7lmqqqxw", false},
        {"A1lqfn3a", false}, // mixed case
        {"1lqfn3a", false},  // no human-readable part
    };
    for (const auto& c : cases)
        EXPECT_EQ(bech32mValid(c.text), c.valid) << c.text;
}

TEST(SealedKeys, KeysRoundTripThroughTheirTexts) {
    for (int i = 0; i < 50; ++i) {
        const Identity identity = newIdentity();
        const QString recipient = recipientText(identity.recipient());
        EXPECT_TRUE(recipient.startsWith(QStringLiteral("tessera1"))) << recipient.toStdString();
        EXPECT_LE(recipient.size(), 100);
        EXPECT_EQ(recipient, recipient.toLower());
        KeyTextProblem problem = KeyTextProblem::Empty;
        EXPECT_EQ(parseRecipient(QStringLiteral("  ") + recipient + QStringLiteral("\n"), &problem),
                  identity.recipient());
        EXPECT_EQ(parseRecipient(recipient.toUpper(), &problem), identity.recipient());
        QString secret = identityText(identity);
        const std::optional<Identity> back = parseIdentity(secret);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->recipient(), identity.recipient());
        EXPECT_EQ(parseIdentity(secret.toLower())->recipient(), identity.recipient());
        base::wipe(secret);
    }
}

// Every text one typo away from a recipient: each character replaced by
// every other of the alphabet and by its upper case, one added anywhere, one
// left out, and each pair of different neighbours swapped.
QSet<QString> typosOf(const QString& recipient) {
    QSet<QString> out;
    for (qsizetype at = 0; at <= recipient.size(); ++at) {
        for (const char c : QByteArray(kAlphabet) + "1bio-A") {
            if (at < recipient.size() && recipient[at] != QLatin1Char(c))
                out.insert(QString(recipient).replace(at, 1, QLatin1Char(c)));
            out.insert(QString(recipient).insert(at, QLatin1Char(c)));
        }
        if (at < recipient.size()) {
            out.insert(QString(recipient).replace(at, 1, recipient[at].toUpper()));
            out.insert(QString(recipient).remove(at, 1));
        }
        if (at + 1 < recipient.size() && recipient[at] != recipient[at + 1]) {
            QString swapped = recipient;
            std::swap(swapped[at], swapped[at + 1]);
            out.insert(swapped);
        }
    }
    out.remove(recipient);
    return out;
}

TEST(SealedKeys, EveryTypoOfARecipientIsRefused) {
    int tried = 0;
    for (int i = 0; i < 25; ++i) {
        const QString recipient = recipientText(newIdentity().recipient());
        for (const QString& typo : typosOf(recipient)) {
            KeyTextProblem problem = KeyTextProblem::None;
            EXPECT_FALSE(parseRecipient(typo, &problem).has_value()) << typo.toStdString();
            EXPECT_NE(problem, KeyTextProblem::None) << typo.toStdString();
            ++tried;
        }
    }
    EXPECT_GT(tried, 25 * 66 * 35);
}

TEST(SealedKeys, TextsThatAreNotRecipientsSayWhy) {
    const Identity identity = newIdentity();
    const QString recipient = recipientText(identity.recipient());
    QString secret = identityText(identity);
    const PublicKey lowOrder{};
    const struct {
        const char* name;
        QString text;
        KeyTextProblem problem;
    } cases[] = {
        {"empty", QStringLiteral(" \t"), KeyTextProblem::Empty},
        {"an identity", secret, KeyTextProblem::IsIdentity},
        {"an identity in lower case", secret.toLower(), KeyTextProblem::IsIdentity},
        {"another tool's key", QStringLiteral("age1qyqszqgpqyqszqgpqyqszqgpqyqszqgp"),
         KeyTextProblem::NotARecipient},
        {"cut short", recipient.chopped(1), KeyTextProblem::WrongLength},
        {"mixed case", recipient.left(10).toUpper() + recipient.mid(10),
         KeyTextProblem::BadCharacter},
        {"a letter outside the alphabet", recipient.left(20) + 'b' + recipient.mid(21),
         KeyTextProblem::BadCharacter},
        {"a low-order key", recipientText(lowOrder), KeyTextProblem::WeakKey},
    };
    for (const auto& c : cases) {
        KeyTextProblem problem = KeyTextProblem::None;
        EXPECT_FALSE(parseRecipient(c.text, &problem).has_value()) << c.name;
        EXPECT_EQ(problem, c.problem) << c.name;
        // The sentence never repeats a secret key.
        EXPECT_FALSE(words::keyTextProblem(problem, c.text).contains(secret.mid(18, 20), Qt::CaseInsensitive))
            << c.name;
    }
    base::wipe(secret);
}

Params fastest() {
    return Params::fastest();
}

TEST(SealedKeys, IdentityFilesOpenWithWhatTheyNeed) {
    const Identity identity = newIdentity();
    const QString password = QStringLiteral("correct horse");
    const QString wrong = QStringLiteral("correct hose");
    QByteArray plain, protectedFile;
    ASSERT_TRUE(identityFile(identity, nullptr, &plain).ok());
    ASSERT_TRUE(identityFile(identity, &password, &protectedFile, fastest()).ok());
    QString secret = identityText(identity);
    const QByteArray recipientLine =
        "# recipient: " + recipientText(identity.recipient()).toLatin1();
    EXPECT_TRUE(plain.contains(recipientLine));
    EXPECT_TRUE(protectedFile.contains(recipientLine));
    EXPECT_FALSE(protectedFile.contains(secret.toLatin1()));
    EXPECT_FALSE(isProtectedIdentityFile(plain));
    EXPECT_TRUE(isProtectedIdentityFile(protectedFile));
    QByteArray typo = secret.toLatin1();
    typo[30] = typo[30] == 'Q' ? 'P' : 'Q';
    const struct {
        const char* name;
        QByteArray content;
        const QString* password;
        Status expected;
    } cases[] = {
        {"plain", plain, nullptr, Status::Ok},
        {"plain, a password given", plain, &password, Status::Ok},
        {"plain, CR LF", QByteArray(plain).replace("\n", "\r\n"), nullptr, Status::Ok},
        {"protected", protectedFile, &password, Status::Ok},
        {"protected, no password", protectedFile, nullptr, Status::NeedsPassword},
        {"protected, a wrong password", protectedFile, &wrong, Status::WrongPasswordOrDamaged},
        {"a recipient in its place",
         "# mine\n" + recipientText(identity.recipient()).toLatin1() + "\n", nullptr,
         Status::Unsupported},
        {"a typo in the secret", QByteArray(plain).replace(secret.toLatin1(), typo), nullptr,
         Status::Unsupported},
        {"comments only", "# nothing here\n\n", nullptr, Status::Unsupported},
        {"far too large", QByteArray(kMaxKeyFileSize + 1, '#'), nullptr, Status::LimitsExceeded},
    };
    for (const auto& c : cases) {
        QList<Identity> identities;
        const Result result = readIdentityFile(c.content, c.password, &identities);
        EXPECT_EQ(result.status, c.expected) << c.name << ": " << words::sentence(result.failure).toStdString();
        EXPECT_FALSE(words::sentence(result.failure).contains(secret.mid(18, 20))) << c.name;
        ASSERT_EQ(identities.size(), c.expected == Status::Ok ? 1 : 0) << c.name;
        if (!identities.isEmpty()) {
            EXPECT_EQ(identities[0].recipient(), identity.recipient()) << c.name;
        }
    }
    base::wipe(secret);
}

TEST(SealedKeys, PeopleFilesKeepNamesAndNameTheBadLine) {
    const QList<Identity> people = newIdentities(3);
    QList<Person> written;
    const QString names[] = {QStringLiteral("Alice"), QStringLiteral("Bob \u00e9\nline two"), {}};
    for (int i = 0; i < 3; ++i)
        written.append({people[i].recipient(), names[i]});
    const QByteArray file = "# my people\n\n" + peopleFile(written) + "   \r\n# end\n";
    PeopleProblem problem;
    const std::optional<QList<Person>> read = parsePeople(file, &problem);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ((*read)[i].recipient, people[i].recipient());
        EXPECT_EQ((*read)[i].name, names[i].simplified());
    }
    QByteArray typo = file;
    const qsizetype second = typo.indexOf("tessera1", typo.indexOf("tessera1") + 1);
    typo[second + 20] = typo[second + 20] == 'q' ? 'p' : 'q';
    EXPECT_FALSE(parsePeople(typo, &problem).has_value());
    EXPECT_EQ(problem.line, 4);
    EXPECT_EQ(problem.problem, KeyTextProblem::BadChecksum);
}

} // namespace
