#pragma once

#include "base/Wipe.h"

#include <QString>
#include <optional>
#include <utility>

namespace cli {

// A password that is wiped from memory when it goes, and with it every copy
// that shares its text (the requests it was handed to).
class Secret {
public:
    explicit Secret(QString text) : m_text(std::move(text)) {}
    ~Secret() { base::wipe(m_text); }
    Secret(Secret&& other) noexcept : m_text(std::exchange(other.m_text, QString())) {}
    Secret& operator=(Secret&&) = delete;
    Secret(const Secret&) = delete;
    Secret& operator=(const Secret&) = delete;

    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The password from a file: its content as UTF-8, less one trailing line end
// (LF or CR LF). Without a file, asks on the terminal without echo; without a
// terminal that is an error. Nothing when it could not be had (the error has
// been reported). The bytes it was read from are wiped at once.
std::optional<Secret> obtainPassword(const QString& passwordFile);
// The same, the terminal's prompt being this one (a protected identity's).
std::optional<Secret> obtainPassword(const QString& passwordFile, const QString& prompt);

// A password for a new secret it will protect (a protected identity): from
// the file, or asked twice on the terminal, since a typo would lock the
// secret away for good. Nothing, after one line, when the two differ.
std::optional<Secret> obtainNewPassword(const QString& passwordFile);

// For a sealed encryption, whose file is only as strong as its password: one
// warning line on standard error for a weak password, when standard error is
// a terminal (a script's log is left alone). Nothing is refused.
void warnOfWeakPassword(const Secret& password);

} // namespace cli
