// The password's one holder (base/Secret.h): every copy of a request and
// every key source made from it share one text, which is wiped when the last
// of them lets it go, and not before.

#include "base/Progress.h"
#include "base/Secret.h"
#include "cipher/Files.h"
#include "cipher/Messages.h"
#include "sealed/Key.h"

#include <QString>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace {

// The wipe is seen through a string that shares the secret's memory, and so
// keeps it allocated: it holds only zeros once the wipe has run.
bool wiped(const QString& shared) {
    return std::all_of(shared.cbegin(), shared.cend(), [](QChar c) { return c.unicode() == 0; });
}

using Holder = std::function<std::shared_ptr<void>(const base::Secret&)>;

const base::CancelToken kCancel;

const std::vector<std::pair<const char*, Holder>> kHolders = {
    {"an encryption request",
     [](const base::Secret& s) {
         auto request = std::make_shared<cipher::EncryptRequest>();
         request->password = s;
         return request;
     }},
    {"a copy of a decryption request",
     [](const base::Secret& s) {
         cipher::DecryptRequest request;
         request.password = s;
         return std::make_shared<cipher::DecryptRequest>(request);
     }},
    {"a file pass request in a lambda",
     [](const base::Secret& s) {
         cipher::PassRequest request;
         request.password = s;
         return std::make_shared<std::function<void()>>([request] { (void)request; });
     }},
    {"a key source",
     [](const base::Secret& s) { return std::make_shared<sealed::KeySource>(sealed::passwordKey(s)); }},
    {"a key source with a cancel",
     [](const base::Secret& s) {
         return std::make_shared<sealed::KeySource>(sealed::passwordKey(s, &kCancel));
     }},
};

TEST(Secret, IsWipedWhenTheLastOfAnyHoldersLetsItGo) {
    std::mt19937 random(23);
    for (int round = 0; round < 50; ++round) {
        // A text of the program's own on the heap, handed to the secret whole.
        const QString typed = QStringLiteral("p\u00E4ss %1 \u263A").arg(round);
        const QString original(typed.constData(), typed.size());
        base::Secret secret(typed);
        std::vector<std::pair<const char*, std::shared_ptr<void>>> held;
        for (const auto& [what, hold] : kHolders) {
            if (random() % 2)
                held.emplace_back(what, hold(secret));
        }
        std::shuffle(held.begin(), held.end(), random);
        secret.clear();
        while (!held.empty()) {
            EXPECT_EQ(typed, original) << "wiped while " << held.back().first << " holds it";
            held.pop_back();
        }
        EXPECT_TRUE(wiped(typed)) << "round " << round;
    }
}

TEST(Secret, ACopyOfABoxsTextLeavesTheTextAsItWas) {
    const QString typed = QStringLiteral("in the box %1").arg(7);
    {
        const base::Secret secret = base::Secret::copyOf(typed);
        EXPECT_EQ(secret.text(), typed);
        EXPECT_NE(secret.text().constData(), typed.constData());
        EXPECT_NE(secret.textCopy().constData(), secret.text().constData());
    }
    EXPECT_EQ(typed, QStringLiteral("in the box 7"));
}

} // namespace
