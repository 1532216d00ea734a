// Decrypts a 10000-character message into the main window's message box, as
// the Decrypt button does: every character arrives as a change of the box and
// runs the length watch, whose message (at the 10000th) is answered at once.
// Then types into the box after a one-line decryption, one key at a time with
// the box painted after each, as a user would: the time per key is what the
// user waits for each letter to appear. And refuses message files far beyond
// any message, which must take no time at all.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_main_window

#include "base/Limits.h"
#include "tests/support/MessageFiles.h"
#include "tests/support/ScriptedDialogs.h"
#include "ui/FormRegistry.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <benchmark/benchmark.h>

namespace {

// 10000 characters as a message file counts them; lines of the given length
// (0: one line without breaks).
QByteArray messageText(int lineLength, int length = 10000) {
    QByteArray text;
    const QByteArray words("The quick brown fox jumps over the lazy dog 0123456789 ");
    int column = 0;
    while (text.size() < length) {
        if (lineLength > 0 && column == lineLength && text.size() <= 9998) {
            text += "\r\n";
            column = 0;
            continue;
        }
        text += words[text.size() % words.size()];
        ++column;
    }
    return text;
}

// The main window with the password and the message file filled in; every
// message box is answered at once (with OK) and recorded.
struct MainWindowFixture {
    MainWindowFixture(const QString& path, const QString& password) {
        ui::registerAllForms(registry);
        registry.show<ui::frmMain>();
        main = registry.loaded<ui::frmMain>();
        main->findChild<QLineEdit*>(QStringLiteral("txtPW"))->setText(password);
        main->findChild<QLineEdit*>(QStringLiteral("txtFile"))->setText(path);
        txtIn = main->findChild<QPlainTextEdit*>(QStringLiteral("txtIn"));
        main->activateWindow();
        QApplication::processEvents();
    }

    testsupport::ScriptedDialogs dialogs;
    ui::FormRegistry registry;
    ui::frmMain* main = nullptr;
    QPlainTextEdit* txtIn = nullptr;

    // Decrypt, and wait until its outcome is in the window.
    void decrypt() {
        main->cmdDecrypt_Click();
        while (main->working())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
};

void BM_DecryptIntoMainWindow(benchmark::State& state) {
    const int lineLength = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("message.txt"));
    testsupport::writeClassicMessage(path, messageText(lineLength), "correct horse battery");
    MainWindowFixture window(path, QStringLiteral("correct horse battery"));

    for (auto _ : state) {
        window.dialogs.clear();
        window.decrypt();
        // Paint what arrived, as the window does after the command.
        QApplication::processEvents();
    }
    if (window.main->messageLength() != 10000 || window.dialogs.messages.size() != 2)
        state.SkipWithError("the text or the messages are not what decryption gives");
    state.counters["chars"] = window.txtIn->document()->characterCount() - 1;
}
BENCHMARK(BM_DecryptIntoMainWindow)
    ->Arg(58)
    ->Arg(0)
    ->ArgName("line")
    ->Unit(benchmark::kMillisecond);

// One key typed at the end of the message box and the box painted, after a
// decryption of the given number of characters on one line, the costliest
// shape for a text box: the whole text is one paragraph, laid out again on
// every key. Text 0 is words; text 1 is one unbroken word, which a text box
// wraps in time that grows with the square of its length (the worst case a
// file can bring), after an ordinary message and after the largest file a
// reader takes (base::kMaxFileValues values).
void BM_KeyAfterOneLineDecryption(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("message.txt"));
    QByteArray text = messageText(0, length);
    if (state.range(1) == 1)
        text.fill('W');
    testsupport::writeClassicMessage(path, text, "pw");
    MainWindowFixture window(path, QStringLiteral("pw"));

    QElapsedTimer decryption;
    decryption.start();
    window.decrypt();
    QApplication::processEvents();
    state.counters["decrypt_ms"] = static_cast<double>(decryption.elapsed());
    if (window.txtIn->document()->characterCount() - 1 != length)
        state.SkipWithError("the text is not what decryption gives");

    window.txtIn->setFocus();
    window.txtIn->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(window.txtIn, &press);
        QApplication::sendEvent(window.txtIn, &release);
        // The letter appears on the screen.
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KeyAfterOneLineDecryption)
    ->ArgsProduct({{10000, base::kMaxFileValues}, {0, 1}})
    ->ArgNames({"chars", "text"})
    ->Unit(benchmark::kMillisecond);

// Decrypt on a valid message file far beyond any message, from the click to
// the refusal: a million values (5 MB, past the byte ceiling), or one value
// past the value ceiling. The window's text stays.
void BM_RefuseHugeFile(benchmark::State& state) {
    const int values = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("message.txt"));
    testsupport::writeClassicMessage(path, QByteArray(values, 'A'), "pw");
    state.counters["MB"] = static_cast<double>(QFileInfo(path).size()) / (1024 * 1024);
    MainWindowFixture window(path, QStringLiteral("pw"));
    window.txtIn->setPlainText(QStringLiteral("the user's own text"));
    for (auto _ : state) {
        window.dialogs.clear();
        window.decrypt();
        QApplication::processEvents();
    }
    if (window.dialogs.messages.size() != 1 ||
        !window.dialogs.messages.constFirst().text.contains(QStringLiteral("was not decrypted")) ||
        window.txtIn->toPlainText() != QStringLiteral("the user's own text"))
        state.SkipWithError("the file was not refused");
}
BENCHMARK(BM_RefuseHugeFile)
    ->Arg(1000000)
    ->Arg(base::kMaxFileValues + 1)
    ->ArgName("values")
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
