#include "ui/main/frmHelp.h"

#include "io/ScratchFile.h"
#include "platform/Dialogs.h"
#include "resources/Artwork.h"
#include "ui/common/WindowLook.h"
#include "ui_frmHelp.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace ui {
namespace {

// Our own section: a heading and one paragraph a topic, each checked against
// what the windows do.
struct Topic {
    const char* heading;
    const char* text;
};

const Topic kTopics[] = {
    {QT_TRANSLATE_NOOP("ui::frmHelp", "Sealed: for anything secret."),
     QT_TRANSLATE_NOOP(
         "ui::frmHelp",
         "The classic formats (the default) only hide a text from a casual reader; someone "
         "determined recovers it without the password. Choose Sealed (in the options window "
         "that the Advanced button opens, on the wizard's options page, or with the file "
         "window's Sealed box) for anything that must stay secret. A sealed message or file is "
         "encrypted with XChaCha20-Poly1305 under a key made from the password with Argon2id: "
         "nobody reads it without the password, guessing passwords is slow, and every change "
         "is noticed. A wrong password, or a file that was altered or cut short, is refused and "
         "nothing is written. Sealed does not hide how large a message or file is, nor that it "
         "is sealed, and it is only as strong as its password: a weak password can be guessed. "
         "Decrypting recognises a sealed input by itself; while Sealed is chosen, it opens "
         "sealed input only. Earlier versions of Tessera cannot read sealed files.")},
    {QT_TRANSLATE_NOOP("ui::frmHelp", "The format caption."),
     QT_TRANSLATE_NOOP("ui::frmHelp",
                       "Beside the Encrypt and Decrypt buttons, the main window and the file "
                       "window say what Encrypt will write: \"Format: Classic\", \"Format: "
                       "Sealed\", or, sealed to people, to how many: \"Format: Sealed to 2 "
                       "people\". A screen reader hears the same from the buttons.")},
    {QT_TRANSLATE_NOOP("ui::frmHelp", "The strength meter."),
     QT_TRANSLATE_NOOP(
         "ui::frmHelp",
         "While Sealed with a password is chosen, a meter beside the password box (in the main "
         "window, the file window and the wizard's password and options pages) rates the "
         "password in plain words with a rough time to guess it, for an attacker who tries "
         "10,000 passwords a second. It never refuses a password; the wizard asks once about a "
         "very weak one before it seals with it.")},
    {QT_TRANSLATE_NOOP("ui::frmHelp", "Dropping files."),
     QT_TRANSLATE_NOOP(
         "ui::frmHelp",
         "Drop one file on the main window to make it the message file, on the file window to "
         "make it the file to encrypt or decrypt (the copy's name follows), or on the wizard's "
         "file page. A drop only names the file: it is never moved. Several files, a folder, or "
         "anything that is not one ordinary file are ignored.")},
    {QT_TRANSLATE_NOOP("ui::frmHelp", "Before a document is replaced."),
     QT_TRANSLATE_NOOP(
         "ui::frmHelp",
         "Encrypt in the main window and the wizard writes the message file under the name "
         "given. When a file of that name exists, holds something and is not a message file, "
         "you are asked first, and No (the default) leaves everything as it was. An earlier "
         "message file is replaced without a question.")},
    {QT_TRANSLATE_NOOP("ui::frmHelp", "Sealing to people."),
     QT_TRANSLATE_NOOP(
         "ui::frmHelp",
         "A message or file can also be sealed to people rather than to a password: each of "
         "them opens it with their own key, and no password has to travel. A person's key has "
         "two halves. The identity is the secret half, a small file that stays with its owner. "
         "The recipient is the public half, one line beginning \"tessera1\" that may be read "
         "aloud, printed or mailed: it is no secret, and a typing mistake in it is caught. "
         "Wherever Sealed is chosen, choose \"to people\" instead of \"with a password\" and "
         "tick the people under People, from the people file open in the Keys window. Your own "
         "keys open there are added, so that you can read what you sent, unless you tick "
         "\"Leave out my own keys\". In the wizard, a message sealed to people does not use the "
         "password you typed. Decrypting opens what is sealed to people with the keys open in "
         "the Keys window, or asks for the identity file it is sealed to, and for its password "
         "when it is protected.")},
    {QT_TRANSLATE_NOOP("ui::frmHelp", "The Keys window."),
     QT_TRANSLATE_NOOP(
         "ui::frmHelp",
         "Open it from the Tessera menu of the main window, or with Keys on the wizard's options "
         "page. Under My key, New key makes an identity in a new file, protected by a password "
         "when the box below the passwords is ticked (the meter rates that password), and Open "
         "key opens one you have; a protected identity needs its password in the Password box "
         "first. The chosen key's recipient shows as text, with Copy, and as a QR code that a "
         "phone can read. Under People, a people file (one recipient a line, with the person's "
         "name) is opened and saved like a document: paste a recipient, type a name and press "
         "Add, or choose a person to rename or remove. A mistyped recipient is refused at once, "
         "and so is an identity pasted where a recipient belongs. Nothing is remembered between "
         "runs: your keys and people stay in the files you choose.")},
    {QT_TRANSLATE_NOOP("ui::frmHelp", "Keep your identity safe."),
     QT_TRANSLATE_NOOP(
         "ui::frmHelp",
         "Losing the identity makes its files unreadable: if the identity file is lost, or the "
         "password of a protected one forgotten, nothing sealed to it opens again, and nobody "
         "can help. Protected copy in the Keys window writes a copy of the chosen key under a "
         "password; keep it somewhere else than the key itself.")},
};

} // namespace

frmHelp::frmHelp(FormRegistry& registry, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::frmHelp>()) {
    Q_UNUSED(registry); // this window reaches no other window
    m_ui->setupUi(this);
    setFont(classicFont(8));
    setColours(this, Qt::black, QColor(64, 64, 64));

    // The headings on yellow; the texts in the system's label colours.
    const QPalette system = QApplication::palette();
    for (QLabel* heading : {m_ui->lblEnc, m_ui->Label1}) {
        heading->setFont(classicFont(9.75, true));
        setColours(heading, Qt::black, QColor(255, 255, 0));
    }
    for (QLabel* text : {m_ui->lblHelp, m_ui->lblHelpDec, m_ui->lblKiller})
        setColours(text, system.color(QPalette::WindowText), system.color(QPalette::Window));
    for (QFrame* line : {m_ui->Line1, m_ui->Line2})
        setColours(line, Qt::black, QColor(255, 0, 0));
    // Buttons keep the system's look on the dark window.
    for (QPushButton* button : {m_ui->cmdKillEnc, m_ui->cmdClose}) {
        button->setPalette(system);
        // Enter presses the button that has the focus.
        button->setAutoDefault(true);
    }
    resources::applyPictureButton(m_ui->cmdClose, tr("Close"));
    makeScrollingPage();

    centreOnFirstShow(this);

    connect(m_ui->cmdKillEnc, &QPushButton::clicked, this, &frmHelp::cmdKillEnc_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmHelp::cmdClose_Click);
    m_ui->cmdKillEnc->setFocus();
}

frmHelp::~frmHelp() = default;

// The described window, pixel for pixel, becomes the top of a page that
// scrolls, with our own section below it. The window opens on the described
// part alone, a scroll bar beside it.
void frmHelp::makeScrollingPage() {
    const QSize described = size();
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("helpPage"));
    page->setAutoFillBackground(true);
    // The window's face, so that the section's texts are measured as they show.
    page->setFont(font());
    page->setPalette(palette());
    page->resize(described);
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        control->setParent(page);
        control->show();
    }
    page->resize(described.width(), addOwnSection(page, described.height()));

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrHelp"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll->setBackgroundRole(QPalette::Window);
    scroll->setWidget(page);
    scroll->setAccessibleName(tr("Help"));
    scroll->setAccessibleDescription(
        tr("How to use Tessera, then what Tessera2 adds; the arrow and page keys scroll."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // The buttons first, as described; then the page, to be scrolled by keys.
    setTabOrder(m_ui->cmdKillEnc, m_ui->cmdClose);
    setTabOrder(m_ui->cmdClose, scroll);
    resize(described.width() + scroll->verticalScrollBar()->sizeHint().width(), described.height());
}

// Adds the section from `top` down; returns where it ends.
int frmHelp::addOwnSection(QWidget* page, int top) {
    const QPalette system = QApplication::palette();
    auto* line = new QFrame(page);
    line->setObjectName(QStringLiteral("Line3"));
    line->setGeometry(0, top, page->width(), 1);
    line->setAutoFillBackground(true);
    setColours(line, Qt::black, QColor(255, 0, 0));
    auto* heading = new QLabel(tr("What Tessera2 adds:"), page);
    heading->setObjectName(QStringLiteral("lblAdds"));
    heading->setFont(classicFont(9.75, true));
    setColours(heading, Qt::black, QColor(255, 255, 0));
    heading->adjustSize();
    heading->move((page->width() - heading->width()) / 2, top + 8);
    int y = heading->geometry().bottom() + 8;
    int number = 0;
    for (const Topic& topic : kTopics) {
        auto* text = new QLabel(page);
        text->setObjectName(QStringLiteral("lblAdds%1").arg(++number));
        text->setTextFormat(Qt::RichText);
        text->setText(QStringLiteral("<b>%1</b> %2")
                          .arg(tr(topic.heading).toHtmlEscaped(), tr(topic.text).toHtmlEscaped()));
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
        setColours(text, system.color(QPalette::WindowText), system.color(QPalette::Window));
        text->setGeometry(0, y, page->width() - 7, text->heightForWidth(page->width() - 7));
        y = text->geometry().bottom() + 9;
    }
    return y;
}

void frmHelp::cmdKillEnc_Click() {
    // The scratch file of the message cipher; an encryption that was cut short
    // leaves it behind and the next one would read its old codes first.
    // Only a regular file of the user's own goes; a link, or anything in a
    // folder that others could have planted it in, stays.
    const QString leftover = io::ScratchFile::defaultPath();
    if (!leftover.isEmpty() && io::ScratchFile::removeLeftover(leftover))
        platform::messageBox(this, tr("Problemz Fixed!"));
    else
        platform::messageBox(this, tr("It is believed that TesseraFix could not fix the problem"));
}

void frmHelp::cmdClose_Click() {
    hide();
}

} // namespace ui
