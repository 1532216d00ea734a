// Makes the sealed test kit (README.md beside this file): inputs, the
// passwords and texts they hold, and MANIFEST, the outcome each must have.
// Salts and nonces are fixed, so the kit comes out the same byte for byte on
// every run:
//   tessera-testkit OUTPUT_FOLDER

#include "io/OutputFile.h"
#include "sealed/Identity.h"
#include "sealed/Message.h"
#include "sealed/Recipients.h"
#include "sealed/Stream.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

using sealed::Params;

const QString kPassword = QStringLiteral("kit password");
const QString kUnicodePassword = QStringLiteral("Grüße, 世界");

struct Kit {
    QDir folder;
    QStringList manifest;
    int serial = 0;
    bool ok = true;

    void write(const QString& name, const QByteArray& bytes) {
        io::OutputFile out(folder.filePath(name));
        base::Failure error;
        if (!out.open(&error) || !out.write(bytes, &error) || !out.commit(&error)) {
            std::fprintf(stderr, "tessera-testkit: %s: %s\n", qPrintable(name), qPrintable(error.cause));
            ok = false;
        }
    }

    // Parameters of the cheapest derivation, with this case's own salt and nonce.
    Params params(qint64 chunkSize = 64) {
        Params p = Params::fastest();
        p.chunkSize = chunkSize;
        ++serial;
        std::array<unsigned char, 16> salt{};
        std::array<unsigned char, 15> prefix{};
        for (size_t i = 0; i < salt.size(); ++i)
            salt[i] = static_cast<unsigned char>(serial * 37 + int(i) * 11);
        for (size_t i = 0; i < prefix.size(); ++i)
            prefix[i] = static_cast<unsigned char>(serial * 53 + int(i) * 7 + 1);
        p.fixedSalt = salt;
        p.fixedNoncePrefix = prefix;
        return p;
    }

    // One case: its input, the password file to open it with, what must
    // happen, and (for "open") the bytes it opens to.
    void add(const QString& name, const char* kind, const QByteArray& input,
             const QString& passwordFile, const char* expect, const QByteArray& plain = {}) {
        write(name, input);
        QString line = QStringLiteral("%1 %2 %3 %4").arg(name, QLatin1String(kind), passwordFile,
                                                        QLatin1String(expect));
        if (QLatin1String(expect) == QLatin1String("open")) {
            write(name + QStringLiteral(".plain"), plain);
            line += QStringLiteral(" %1.plain").arg(name);
        }
        manifest.append(line);
    }
};

QByteArray sealFile(const QByteArray& plain, const QString& password, const Params& params) {
    QByteArray out;
    sealed::MemorySource source(plain);
    sealed::ByteArraySink sink(&out);
    if (!sealed::seal(source, sink, sealed::passwordKey(password), params).ok())
        qFatal("sealing failed");
    return out;
}

QByteArray sealText(const QString& text, const QString& password, const Params& params) {
    QByteArray out;
    if (!sealed::sealMessage(text, password, &out, params).ok())
        qFatal("sealing failed");
    return out;
}

// Bytes 0, 1, 2, … 255, 0, 1, …: a plaintext that shows any reordering.
QByteArray counting(qsizetype size) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

void files(Kit& kit) {
    // Every size class boundary of 64-byte chunks, and the default chunk size.
    for (const qsizetype size : {0, 1, 63, 64, 65, 127, 128, 129}) {
        const QByteArray plain = counting(size);
        kit.add(QStringLiteral("file-size-%1").arg(size), "file",
                sealFile(plain, kPassword, kit.params()), "password", "open", plain);
    }
    const QByteArray big = counting(65536 + 1);
    kit.add("file-default-chunks", "file", sealFile(big, kPassword, kit.params(65536)), "password",
            "open", big);
    Params costly = kit.params();
    costly.opslimit = 2;
    costly.memlimit = 64 * 1024;
    const QByteArray plain = counting(200);
    kit.add("file-params-2-passes-64k", "file", sealFile(plain, kPassword, costly), "password",
            "open", plain);
    kit.add("file-unicode-password", "file", sealFile(plain, kUnicodePassword, kit.params()),
            "password-unicode", "open", plain);

    const QByteArray good = sealFile(plain, kPassword, kit.params()); // 4 records of 64
    kit.add("file-wrong-password", "file", good, "password-wrong", "not-opened");
    const qsizetype record = 64 + 16;
    const QByteArray header = good.left(57);
    const auto recordAt = [&](int i) { return good.mid(57 + i * record, record); };
    kit.add("file-records-swapped", "file",
            header + recordAt(0) + recordAt(2) + recordAt(1) + good.mid(57 + 3 * record), "password",
            "not-opened");
    kit.add("file-final-record-dropped", "file", good.left(57 + 3 * record), "password",
            "not-opened");
    kit.add("file-cut-inside-record", "file", good.left(good.size() - 5), "password", "not-opened");
    kit.add("file-byte-appended", "file", good + "x", "password", "not-opened");
    kit.add("file-salt-changed", "file", QByteArray(good).replace(30, 1, "\x5a"), "password",
            "not-opened");
    kit.add("file-cut-inside-header", "file", good.left(40), "password", "damaged");
    kit.add("file-cut-inside-magic", "file", good.left(5), "password", "damaged");
    kit.add("file-magic-changed", "file", QByteArray(good).replace(1, 1, "U"), "password",
            "damaged");
    kit.add("file-byte-order-mark-in-front", "file", "\xEF\xBB\xBF" + good, "password", "damaged");
    kit.add("file-line-end-in-front", "file", "\r\n" + good, "password", "damaged");
    kit.add("file-first-3-bytes-lost", "file", good.mid(3), "password", "damaged");
    kit.add("file-latin1-as-utf8", "file", QString::fromLatin1(good).toUtf8(), "password",
            "damaged");
    kit.add("file-unknown-version", "file", QByteArray(good).replace(8, 1, "\x07"), "password",
            "damaged");
    kit.add("file-cost-beyond-limits", "file", QByteArray(good).replace(14, 8, QByteArray::fromHex("0000000001000000")),
            "password", "damaged");
    kit.add("file-classic", "file", QByteArray("any bytes a classic copy may hold\n"), "password",
            "not-sealed");
}

void messages(Kit& kit) {
    const QList<QPair<QString, QString>> texts = {
        {"english", QStringLiteral("Meet at nine.\r\nBring the map.")},
        {"german", QStringLiteral("Grüße aus Köln, die Straße ist nass.")},
        {"greek", QStringLiteral("Καλημέρα κόσμε")},
        {"russian", QStringLiteral("Встретимся в девять.")},
        {"arabic", QStringLiteral("نلتقي في التاسعة")},
        {"hindi", QStringLiteral("नौ बजे मिलते हैं")},
        {"chinese", QStringLiteral("九点见面，带上地图。")},
        {"japanese", QStringLiteral("九時に会いましょう")},
        {"emoji", QStringLiteral("See you 🙂🗺️")},
    };
    for (const auto& [name, text] : texts)
        kit.add("message-" + name, "message", sealText(text, kPassword, kit.params()), "password",
                "open", text.toUtf8());
    const QString text = QStringLiteral("The key is under the third stone, left of the gate. "
                                        "Take it, and put it back before Sunday.");
    const QByteArray good = sealText(text, kPassword, kit.params());
    const QByteArray plain = text.toUtf8();
    const qsizetype bodyAt = good.indexOf('\n') + 1;
    const QByteArray body = good.mid(bodyAt);
    const QByteArray base64 = QByteArray(body).replace("\r\n", "");
    QByteArray rewrapped = "\"Tessera v2.0 Sealed\"\n";
    for (qsizetype at = 0; at < base64.size(); at += 60)
        rewrapped += base64.mid(at, 60) + "\n";
    const QList<QPair<QString, QByteArray>> opening = {
        {"message-lf-line-ends", QByteArray(good).replace("\r\n", "\n")},
        {"message-rewrapped-at-60", rewrapped},
        {"message-one-long-line", good.left(bodyAt) + base64 + "\r\n"},
        {"message-quoted", "> " + QByteArray(good).replace("\r\n", "\r\n> ")},
        {"message-indented", "    " + QByteArray(good).replace("\r\n", "\r\n    ")},
        {"message-trailing-spaces", QByteArray(good).replace("\r\n", "  \r\n")},
        {"message-blank-line-after-tag", good.left(bodyAt) + "\r\n" + body},
        {"message-inside-a-mail", "Hi Bob, here it is:\n\n" + good + "\nCheers\nAlice\n"},
        {"message-tag-line-changed", "\"Tessera v2.0 Sealet\"\r\n" + body},
        {"message-classic-tag-line", "\"Tessera v2.0\"\r\n" + body},
        {"message-no-tag-line", body},
    };
    for (const auto& [name, bytes] : opening)
        kit.add(name, "message", bytes, "password", "open", plain);
    kit.add("message-wrong-password", "message", good, "password-wrong", "not-opened");
    kit.add("message-data-changed", "message",
            QByteArray(good).replace(bodyAt + 70, 1, good[bodyAt + 70] == 'A' ? "B" : "A"),
            "password", "not-opened");
    kit.add("message-magic-changed", "message", QByteArray(good).replace(bodyAt + 2, 1, "X"),
            "password", "damaged");
    kit.add("message-not-base64", "message", QByteArray(good).replace(bodyAt + 30, 1, "*"),
            "password", "damaged");
    kit.add("message-cut-after-tag-line", "message", good.left(bodyAt), "password", "damaged");
    kit.add("message-cut-inside-data", "message", good.left(bodyAt + 40), "password", "damaged");
    kit.add("message-classic", "message", "\"Tessera v2.0\"\r\n169\r\n170\r\n", "password",
            "not-sealed");
}

// ---- Sealed to people ----------------------------------------------------------

// A fixed identity: its secret key's bytes follow from the seed.
sealed::Identity fixedIdentity(int seed) {
    std::array<unsigned char, 32> secret{};
    for (size_t i = 0; i < secret.size(); ++i)
        secret[i] = static_cast<unsigned char>(seed * 29 + int(i) * 17 + 3);
    const std::optional<sealed::Identity> identity = sealed::Identity::fromSecret(secret.data());
    if (!identity)
        qFatal("no identity");
    return *identity;
}

// The file key, the nonce prefix and the ephemeral keys of one case, fixed.
sealed::RandomBytes fixedRandom(Kit& kit) {
    const int serial = ++kit.serial;
    auto drawn = std::make_shared<int>(0);
    return [serial, drawn](unsigned char* into, size_t size) {
        for (size_t i = 0; i < size; ++i)
            into[i] = static_cast<unsigned char>(serial * 61 + (*drawn)++ * 13 + 5);
    };
}

QByteArray sealTo(Kit& kit, const QByteArray& plain, const QList<sealed::Identity>& people,
                  qint64 chunkSize = 64) {
    QList<sealed::PublicKey> recipients;
    for (const sealed::Identity& person : people)
        recipients.append(person.recipient());
    Params params;
    params.chunkSize = chunkSize;
    QByteArray out;
    sealed::MemorySource source(plain);
    sealed::ByteArraySink sink(&out);
    base::Progress quiet;
    if (!sealed::sealToRecipients(source, sink, recipients, params, quiet, fixedRandom(kit)).ok())
        qFatal("sealing failed");
    return out;
}

// The identity files, one of them protected by the password in
// "identity-carol.password", and their recipients in a people file.
void identities(Kit& kit, const QList<sealed::Identity>& people) {
    const char* names[] = {"alice", "bob", "carol", "stranger"};
    QByteArray list = "# The recipients of the kit's identities\n";
    for (int i = 0; i < people.size(); ++i) {
        QByteArray file;
        const bool isProtected = QLatin1String(names[i]) == QLatin1String("carol");
        if (!sealed::identityFile(people[i], isProtected ? &kPassword : nullptr, &file,
                                  kit.params())
                 .ok())
            qFatal("no identity file");
        kit.write(QStringLiteral("identity-%1").arg(QLatin1String(names[i])), file);
        list += sealed::recipientText(people[i].recipient()).toLatin1() + "  # " + names[i] + "\n";
    }
    kit.write("identity-carol.password", kPassword.toUtf8() + "\n");
    kit.write("recipients", list);
}

void peopleFiles(Kit& kit, const QList<sealed::Identity>& people) {
    const sealed::Identity &alice = people[0], &bob = people[1], &carol = people[2];
    const QByteArray plain = counting(200);
    kit.add("people-file-to-one", "file-to-people", sealTo(kit, plain, {alice}), "identity-alice",
            "open", plain);
    kit.add("people-file-to-three", "file-to-people", sealTo(kit, plain, {alice, bob, carol}),
            "identity-carol", "open", plain);
    kit.add("people-file-size-0", "file-to-people", sealTo(kit, {}, {bob}), "identity-bob", "open",
            {});
    const QByteArray big = counting(65536 + 1);
    kit.add("people-file-default-chunks", "file-to-people", sealTo(kit, big, {bob}, 65536),
            "identity-bob", "open", big);
    const QByteArray good = sealTo(kit, plain, {alice, bob});
    const qsizetype entries = sealed::kRecipientsFixedSize, entry = sealed::kEntrySize;
    const qsizetype mac = sealed::recipientsHeaderSize(2) - sealed::kHeaderMacSize;
    kit.add("people-file-stranger", "file-to-people", good, "identity-stranger", "not-opened");
    QByteArray dropped = QByteArray(good).remove(entries + entry, entry);
    dropped[29] = 1;
    kit.add("people-file-entry-dropped", "file-to-people", dropped, "identity-alice", "not-opened");
    QByteArray added =
        QByteArray(good).insert(mac, sealTo(kit, plain, {people[3]}).mid(entries, entry));
    added[29] = 3;
    kit.add("people-file-entry-added", "file-to-people", added, "identity-alice", "not-opened");
    kit.add("people-file-mac-changed", "file-to-people",
            QByteArray(good).replace(mac + 31, 1, good[mac + 31] == 'A' ? "B" : "A"),
            "identity-alice", "not-opened");
    kit.add("people-file-low-order-key", "file-to-people",
            QByteArray(good).replace(entries, 32, QByteArray(32, '\0')), "identity-bob",
            "not-opened");
    kit.add("people-file-record-changed", "file-to-people",
            QByteArray(good).replace(mac + 40, 1, good[mac + 40] == 'A' ? "B" : "A"),
            "identity-alice", "not-opened");
    kit.add("people-file-too-many-entries", "file-to-people",
            QByteArray(good).replace(29, 2, "\x41\0"), "identity-alice", "damaged");
    kit.add("people-file-unknown-entry-kind", "file-to-people",
            QByteArray(good).replace(9, 1, "\x02"), "identity-alice", "damaged");
    kit.add("people-file-cut-inside-header", "file-to-people", good.left(mac + 10),
            "identity-alice", "damaged");
}

void peopleMessages(Kit& kit, const QList<sealed::Identity>& people) {
    const QString text = QStringLiteral("To Alice and Bob: the key is under the third stone.");
    QByteArray sealedBytes = sealTo(kit, text.toUtf8(), {people[0], people[1]});
    // The message file around them, as sealMessage() makes it.
    QByteArray good = "\"Tessera v2.0 Sealed\"\r\n";
    const QByteArray base64 = sealedBytes.toBase64();
    for (qsizetype at = 0; at < base64.size(); at += 64)
        good += base64.mid(at, 64) + "\r\n";
    kit.add("people-message-to-two", "message-to-people", good, "identity-bob", "open",
            text.toUtf8());
    kit.add("people-message-quoted", "message-to-people",
            "> " + QByteArray(good).replace("\r\n", "\r\n> "), "identity-alice", "open",
            text.toUtf8());
    kit.add("people-message-stranger", "message-to-people", good, "identity-stranger",
            "not-opened");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || !QDir().mkpath(args.at(1))) {
        std::fprintf(stderr, "usage: tessera-testkit OUTPUT_FOLDER\n");
        return 2;
    }
    Kit kit{QDir(args.at(1)), {}, 0, true};
    kit.write("password", kPassword.toUtf8() + "\n");
    kit.write("password-unicode", kUnicodePassword.toUtf8() + "\n");
    kit.write("password-wrong", "not the password\n");
    files(kit);
    messages(kit);
    const QList<sealed::Identity> people{fixedIdentity(1), fixedIdentity(2), fixedIdentity(3),
                                         fixedIdentity(4)};
    identities(kit, people);
    peopleFiles(kit, people);
    peopleMessages(kit, people);
    kit.write("MANIFEST", "# NAME KIND PASSWORD-FILE EXPECT [PLAINTEXT]\n"
                          "# (for the kinds file-to-people and message-to-people, an identity "
                          "file in place of PASSWORD-FILE)\n" +
                              kit.manifest.join('\n').toUtf8() + "\n");
    return kit.ok ? 0 : 1;
}
