// Decrypts a 10000-character message into the main window's message box, as
// the Decrypt button does: every character arrives as a change of the box and
// runs the length watch, whose message (at the 10000th) is answered at once.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_main_window

#include "cipher/MessageFormat.h"
#include "platform/Dialogs.h"
#include "ui/FormRegistry.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Answers every message box at once and counts them.
class AnsweringDialogs : public platform::DialogProvider {
public:
    platform::Answer message(QWidget*, const platform::MessageRequest& request) override {
        texts.append(request.text);
        return platform::Answer::Ok;
    }
    std::optional<QString> openFile(QWidget*, const platform::OpenFileRequest&) override {
        return std::nullopt;
    }
    QStringList texts;
};

// 10000 characters as a message file counts them; lines of the given length
// (0: one line without breaks).
QByteArray messageText(int lineLength) {
    QByteArray text;
    const QByteArray words("The quick brown fox jumps over the lazy dog 0123456789 ");
    int column = 0;
    while (text.size() < 10000) {
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

void writeMessageFile(const QString& path, const QByteArray& text, const QByteArray& password) {
    QByteArray content;
    cipher::appendTextLine(content, cipher::formatTag(false, false));
    cipher::KeyStream key(cipher::formKey(password, false));
    for (const char c : text)
        cipher::appendNumberLine(content, static_cast<quint8>(c) + key.next());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the message file");
}

void BM_DecryptIntoMainWindow(benchmark::State& state) {
    const int lineLength = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("message.txt"));
    const QByteArray text = messageText(lineLength);
    writeMessageFile(path, text, "correct horse battery");

    AnsweringDialogs dialogs;
    platform::setDialogProvider(&dialogs);
    ui::FormRegistry registry;
    ui::registerAllForms(registry);
    auto* main = qobject_cast<ui::frmMain*>(registry.show(QStringLiteral("frmMain")));
    main->findChild<QLineEdit*>(QStringLiteral("txtPW"))
        ->setText(QStringLiteral("correct horse battery"));
    main->findChild<QLineEdit*>(QStringLiteral("txtFile"))->setText(path);
    auto* txtIn = main->findChild<QPlainTextEdit*>(QStringLiteral("txtIn"));
    QApplication::processEvents();

    for (auto _ : state) {
        dialogs.texts.clear();
        main->cmdDecrypt_Click();
        // Paint what arrived, as the window does after the command.
        QApplication::processEvents();
    }
    if (main->messageLength() != 10000 || dialogs.texts.size() != 2)
        state.SkipWithError("the text or the messages are not what decryption gives");
    state.counters["chars"] = txtIn->document()->characterCount() - 1;
    platform::setDialogProvider(nullptr);
}
BENCHMARK(BM_DecryptIntoMainWindow)
    ->Arg(58)
    ->Arg(0)
    ->ArgName("line")
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
