#pragma once

// The sentences for what the core returns as data (base::Failure and the
// outcomes of cipher/), through Qt's translation system. The English texts
// are the program's own and stay as they are; the context of each sentence
// (an encryption, a decryption, a file pass) decides its wording.

#include "base/Failure.h"
#include "cipher/Files.h"
#include "sealed/Identity.h"
#include "sealed/Strength.h"

#include <QString>

namespace words {

// A failure said on its own, as a whole sentence.
QString sentence(const base::Failure& failure);

// Why a file or folder could not be used, as a clause ("it already exists",
// "No space left on device"): an io call's error, or the reason beneath a
// failure (base::within()).
QString reason(const base::Failure& error);
QString because(const base::Failure& failure);

// Why a message was not encrypted: "The message was not encrypted: ...".
QString notEncrypted(const base::Failure& failure);

// Why a message file was not decrypted. notSealedHint follows a refusal of a
// classic file where a sealed one was required.
QString notDecrypted(const base::Failure& failure, const QString& notSealedHint);

// A file pass's outcome: "Done", or why not.
QString passText(const cipher::PassResult& result, cipher::Direction direction,
                 const QString& notSealedHint);

// How each window and the command line say that Sealed was on for a classic input.
QString messageNotSealedHint();
QString fileNotSealedHint();

// The closing messages.
QString finished();  // a message was encrypted
QString decrypted(); // a message was decrypted
QString done();      // a file pass is complete

// Said once while an encryption waits for another one's working file.
QString waitingForWorkingFile();

// An amount of memory: "64 MiB", "48 KiB", "1000 bytes".
QString memory(quint64 bytes);

// A password's rating: its level ("weak", "very strong"), the time to guess
// it ("about 3 days", "thousands of years"), both together ("Weak: about 3
// days to guess"), and what the estimate assumes (for a tooltip).
QString strengthLevel(const sealed::Strength& strength);
QString duration(double seconds);
QString strength(const sealed::Strength& strength);
QString strengthAssumption();

// What is wrong with a recipient as it was given.
QString keyTextProblem(sealed::KeyTextProblem problem, const QString& given);

} // namespace words
