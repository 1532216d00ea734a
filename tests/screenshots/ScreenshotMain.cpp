// tessera-screenshots: opens every window of the program one after another and
// saves a picture of each as <folder>/<name>.png, for a person to look at.
//   tessera-screenshots [folder]       (default: ./screenshots)
// Windows are found through the form registry, so every window that is
// registered appears without a change here. Message boxes that a window asks
// while it is shown are answered at once (OK; Cancel for file dialogs).

#include "platform/Dialogs.h"
#include "ui/FormRegistry.h"
#include "ui/filecipher/frmEncFile.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmMain.h"
#include "ui/wizard/Wizard.h"
#include "ui/wizard/frmPW.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QDir>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

class AnsweringDialogs final : public platform::DialogProvider {
public:
    platform::Answer message(QWidget*, const platform::MessageRequest& request) override {
        std::fprintf(stderr, "  message box answered: \"%s\" (%s)\n", qPrintable(request.text),
                     qPrintable(request.title));
        return platform::Answer::Ok;
    }
    std::optional<QString> openFile(QWidget*, const platform::OpenFileRequest&) override {
        return std::nullopt;
    }
};

// Lets a window lay itself out, run its first timers and paint: once it is
// exposed, waits until every timer of its own that is due within `milliseconds`
// has ticked, then handles what the ticks asked for.
void settle(QWidget* window, int milliseconds) {
    if (window && window->windowHandle() && !QTest::qWaitForWindowExposed(window, 2000))
        std::fprintf(stderr, "  %s was not exposed in time\n", qPrintable(window->objectName()));
    if (!window)
        return;
    const QPointer<QWidget> alive = window;
    const QString name = window->objectName();
    QObject watch; // ends the watch with this call
    QSet<QTimer*> due;
    for (QTimer* timer : window->findChildren<QTimer*>()) {
        if (!timer->isActive() || timer->interval() > milliseconds)
            continue;
        due.insert(timer);
        QObject::connect(timer, &QTimer::timeout, &watch, [&due, timer] { due.remove(timer); });
    }
    if (!QTest::qWaitFor([&] { return !alive || due.isEmpty(); }, milliseconds + 2000))
        std::fprintf(stderr, "  %s: a timer did not tick in time\n", qPrintable(name));
    QCoreApplication::sendPostedEvents();
}

bool save(QWidget* window, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

// The windows with Sealed chosen and a password typed: the format caption and
// the password's strength, as <name>-sealed.png.
int saveSealedViews(ui::FormRegistry& registry, const QString& folder, int wait) {
    ui::MessageOptions sealedOptions;
    sealedOptions.format = cipher::Format::Sealed;
    registry.form<ui::frmMain>()->setOptions(sealedOptions);
    registry.form<ui::frmEncFile>()->findChild<QCheckBox*>(QStringLiteral("chkSealed"))->setChecked(true);
    registry.part<ui::Wizard>()->optionsChosen(sealedOptions);
    int failures = 0;
    for (QWidget* window : {static_cast<QWidget*>(registry.form<ui::frmMain>()),
                            static_cast<QWidget*>(registry.form<ui::frmEncFile>()),
                            static_cast<QWidget*>(registry.form<ui::frmPW>())}) {
        window->findChild<QLineEdit*>(QStringLiteral("txtPW"))->setText(QStringLiteral("hunter22"));
        window->show();
        settle(window, wait);
        if (!save(window, folder, window->objectName() + QStringLiteral("-sealed")))
            ++failures;
        window->hide();
    }
    return failures;
}

// The help window as tall as its page: the described text and, below it, the
// section on what Tessera2 adds, as frmHelp-whole.png.
int saveWholeHelp(ui::FormRegistry& registry, const QString& folder, int wait) {
    QWidget* help = registry.show<ui::frmHelp>();
    const QWidget* page = help->findChild<QWidget*>(QStringLiteral("helpPage"));
    if (page)
        help->resize(help->width(), page->height());
    settle(help, wait);
    const bool saved = page && save(help, folder, QStringLiteral("frmHelp-whole"));
    registry.hide<ui::frmHelp>();
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // The web page viewer's engine shares its GL context and, run as root
    // (containers, CI), cannot use its sandbox.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#ifdef Q_OS_UNIX
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessera2"));
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "tessera-screenshots: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const int wait = qEnvironmentVariableIntValue("TESSERA_SCREENSHOT_WAIT_MS") > 0
                         ? qEnvironmentVariableIntValue("TESSERA_SCREENSHOT_WAIT_MS")
                         : 400;

    AnsweringDialogs dialogs;
    platform::setDialogProvider(&dialogs);
    ui::FormRegistry registry;
    ui::registerAllForms(registry);
    registry.quitHandler = [] {}; // an Exit pressed by a window's timer ends nothing here

    int failures = 0;
    for (const QString& name : registry.registeredNames()) {
        // A window that exists many times is made fresh; any other is the one
        // window of its name.
        QPointer<QWidget> window = registry.createNew(name);
        const bool multi = !window.isNull();
        if (!multi)
            window = registry.show(name);
        if (!window) {
            std::fprintf(stderr, "%s: could not be created\n", qPrintable(name));
            ++failures;
            continue;
        }
        window->show();
        window->raise();
        window->activateWindow();
        settle(window, wait);
        if (!window) {
            std::printf("%s closed itself before it could be pictured\n", qPrintable(name));
            continue;
        }
        if (!save(window, folder, name))
            ++failures;
        if (!window)
            continue;
        if (multi)
            window->close();
        else
            registry.hide(name);
        QApplication::processEvents();
    }

    failures += saveSealedViews(registry, folder, wait);
    failures += saveWholeHelp(registry, folder, wait);
    platform::setDialogProvider(nullptr);
    return failures == 0 ? 0 : 1;
}
