// tessera-screenshots: opens every window of the program one after another and
// saves a picture of each as <folder>/<name>.png, for a person to look at.
//   tessera-screenshots [folder]       (default: ./screenshots)
//   tessera-screenshots --readme folder
// The second form saves only the pictures the README shows, each window in
// use (a message typed, Sealed chosen, a key and two people in the Keys
// window): main-window.png, wizard.png, file-window.png and keys-window.png.
// Windows are found through the form registry, so every window that is
// registered appears without a change here. Message boxes that a window asks
// while it is shown are answered at once (OK; Cancel for file dialogs).

#include "platform/Dialogs.h"
#include "sealed/Identity.h"
#include "tests/support/ServicesGuard.h"
#include "ui/FormRegistry.h"
#include "ui/filecipher/frmEncFile.h"
#include "ui/keys/frmKeys.h"
#include "ui/main/frmHelp.h"
#include "ui/main/frmMain.h"
#include "ui/wizard/Wizard.h"
#include "ui/wizard/frmPW.h"
#include "ui/wizard/frmWizardAdvanced.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QQueue>
#include <QSet>
#include <QTemporaryDir>
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
        if (files.isEmpty())
            return std::nullopt;
        return files.dequeue();
    }
    // The answers of the next file dialogs; Cancel once there are none.
    QQueue<QString> files;
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
    registry.form<ui::frmEncFile>()
        ->findChild<QCheckBox*>(QStringLiteral("chkSealed"))
        ->setChecked(true);
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

// ---- The README's pictures ------------------------------------------------

const QString kShownPassword = QStringLiteral("correct horse battery staple");

template <class T> T* control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        std::fprintf(stderr, "  %s has no %s\n", qPrintable(window->objectName()), name);
    return found;
}

bool setText(QWidget* window, const char* box, const QString& text) {
    if (auto* line = control<QLineEdit>(window, box)) {
        line->setText(text);
        return true;
    }
    return false;
}

bool click(QWidget* window, const char* button) {
    auto* pressed = control<QAbstractButton>(window, button);
    if (pressed)
        pressed->click();
    return pressed != nullptr;
}

// Shows the window, lets it settle and saves it as <name>.png.
bool picture(QWidget* window, const QString& folder, const char* name, int wait) {
    window->show();
    window->activateWindow();
    settle(window, wait);
    const bool saved = save(window, folder, QString::fromLatin1(name));
    window->hide();
    return saved;
}

// The main window with a message typed and Sealed chosen: the caption and the meter.
bool readmeMain(ui::FormRegistry& registry, const QString& folder, int wait) {
    ui::MessageOptions sealedOptions;
    sealedOptions.format = cipher::Format::Sealed;
    ui::frmMain* main = registry.form<ui::frmMain>();
    main->setOptions(sealedOptions);
    auto* text = control<QPlainTextEdit>(main, "txtIn");
    if (!text || !setText(main, "txtPW", kShownPassword) ||
        !setText(main, "txtFile", QStringLiteral("/home/alice/Letter to Bob.txt")))
        return false;
    text->setPlainText(QStringLiteral("Dear Bob,\n\nthe spare key is under the blue flower "
                                      "pot. See you on Sunday.\n\nAlice"));
    return picture(main, folder, "main-window", wait);
}

// The wizard's options page with Sealed ticked: the meter rates the password
// that its password page took.
bool readmeWizard(ui::FormRegistry& registry, const QString& folder, int wait) {
    registry.part<ui::Wizard>()->passwordEntered(base::Secret::copyOf(kShownPassword));
    registry.hide<ui::frmFile>();
    QWidget* options = registry.form<ui::frmWizardAdvanced>();
    auto* sealed = control<QCheckBox>(options, "chkSealed");
    if (!sealed)
        return false;
    sealed->setChecked(true);
    return picture(options, folder, "wizard", wait);
}

// The file window about to seal a document.
bool readmeFileWindow(ui::FormRegistry& registry, const QString& folder, int wait) {
    QWidget* window = registry.form<ui::frmEncFile>();
    auto* sealed = control<QCheckBox>(window, "chkSealed");
    if (!sealed || !setText(window, "txtPW", kShownPassword) ||
        !setText(window, "txtFile", QStringLiteral("/home/alice/Tax return 2025.pdf")) ||
        !setText(window, "txtFileEnc", QStringLiteral("/home/alice/Tax return 2025.pdf.sealed")))
        return false;
    sealed->setChecked(true);
    return picture(window, folder, "file-window", wait);
}

// The Keys window with a new key of its own, protected by a password and made
// in a folder that goes with the run, and two people pasted into its list.
bool readmeKeys(ui::FormRegistry& registry, AnsweringDialogs& dialogs, const QString& folder,
                int wait) {
    QTemporaryDir keys;
    QWidget* window = registry.form<ui::frmKeys>();
    auto* protect = control<QCheckBox>(window, "chkProtect");
    if (!keys.isValid() || !protect || !setText(window, "txtPassword", kShownPassword) ||
        !setText(window, "txtPasswordAgain", kShownPassword))
        return false;
    protect->setChecked(true);
    dialogs.files.enqueue(keys.filePath(QStringLiteral("tessera-key.txt")));
    if (!click(window, "cmdNewKey"))
        return false;
    for (const QString& name : {QStringLiteral("Bob"), QStringLiteral("Carol")}) {
        const std::optional<sealed::Identity> person = sealed::Identity::generate();
        if (!person ||
            !setText(window, "txtPersonKey", sealed::recipientText(person->recipient())) ||
            !setText(window, "txtPersonName", name) || !click(window, "cmdAdd"))
            return false;
    }
    const bool saved = picture(window, folder, "keys-window", wait);
    registry.unload<ui::frmKeys>(); // its key file goes with the folder
    return saved;
}

int saveReadmeViews(ui::FormRegistry& registry, AnsweringDialogs& dialogs, const QString& folder,
                    int wait) {
    int failures = 0;
    for (const bool saved :
         {readmeMain(registry, folder, wait), readmeWizard(registry, folder, wait),
          readmeFileWindow(registry, folder, wait), readmeKeys(registry, dialogs, folder, wait)}) {
        if (!saved)
            ++failures;
    }
    return failures;
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
    const bool readme = argc > 1 && qstrcmp(argv[1], "--readme") == 0;
    const int folderArg = readme ? 2 : 1;
    const QString folder =
        argc > folderArg ? QString::fromLocal8Bit(argv[folderArg]) : QStringLiteral("screenshots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "tessera-screenshots: cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const int wait = qEnvironmentVariableIntValue("TESSERA_SCREENSHOT_WAIT_MS") > 0
                         ? qEnvironmentVariableIntValue("TESSERA_SCREENSHOT_WAIT_MS")
                         : 400;

    AnsweringDialogs dialogs;
    const testsupport::ServicesGuard services(&platform::Services::dialogs, &dialogs);
    ui::FormRegistry registry;
    ui::registerAllForms(registry);
    registry.quitHandler = [] {}; // an Exit pressed by a window's timer ends nothing here

    if (readme) {
        const int failures = saveReadmeViews(registry, dialogs, folder, wait);
        return failures == 0 ? 0 : 1;
    }

    int failures = 0;
    ui::AllForms::forEach([&]<class Form> {
        const QString name = ui::FormRegistry::nameOf<Form>();
        // A window that exists many times is made fresh; any other is the one
        // window of its class.
        QPointer<QWidget> window = registry.widget<Form>();
        if (!window) {
            std::fprintf(stderr, "%s: could not be created\n", qPrintable(name));
            ++failures;
            return;
        }
        window->show();
        window->raise();
        window->activateWindow();
        settle(window, wait);
        if (!window) {
            std::printf("%s closed itself before it could be pictured\n", qPrintable(name));
            return;
        }
        if (!save(window, folder, name))
            ++failures;
        if (!window)
            return;
        if (registry.isMultiForm<Form>())
            window->close();
        else
            registry.hide<Form>();
        QApplication::processEvents();
    });

    failures += saveSealedViews(registry, folder, wait);
    failures += saveWholeHelp(registry, folder, wait);
    return failures == 0 ? 0 : 1;
}
