#include "ui/keys/frmKeys.h"

#include "base/Wipe.h"
#include "io/OutputFile.h"
#include "platform/Dialogs.h"
#include "ui/common/FileNames.h"
#include "ui/common/PasswordBox.h"
#include "ui/common/WindowLook.h"
#include "ui/keys/KeyFileReading.h"
#include "ui_frmKeys.h"
#include "words/Describe.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTreeWidgetItem>

namespace ui {
namespace {

QString shown(const QString& path) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
}

// A recipient cut short for a list: its start and its end.
QString shortened(const QString& recipient) {
    return recipient.left(14) + QChar(0x2026) + recipient.right(6);
}

// A sentence with chances to break inside its long words (a pasted key), so
// that a label wraps them rather than cutting them off.
QString breakable(const QString& sentence) {
    QString out;
    int run = 0;
    for (const QChar c : sentence) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > 0 && run % 16 == 0)
            out += QChar(0x200B); // a zero-width space
        out += c;
    }
    return out;
}

// Clears a box and wipes the text it held (a password, or an identity pasted
// where it does not belong). Setting the text also drops the box's undo steps.
void wipeBox(QLineEdit* box) {
    QString held = box->text();
    box->setText(QString());
    base::wipe(held);
}

// A name in the user's home folder that no file has yet: base.txt, base-2.txt, ...
QString unusedFile(const QString& base) {
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1-%2").arg(base).arg(n);
        const QString path = defaultFilePath(name + QStringLiteral(".txt"));
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
            return path;
    }
    return defaultFilePath(base + QStringLiteral(".txt"));
}

// Whether the file at path holds an identity, which no people file replaces.
bool holdsIdentity(const QString& path) {
    QString error;
    const std::optional<QByteArray> content = readKeyFile(path, cipher::kMaxKeyFileSize, &error);
    if (!content)
        return false;
    // Identities are written in capitals; a reader takes them in either case.
    const QByteArray prefix = cipher::kIdentityPrefix.toLatin1();
    const bool identity = cipher::isProtectedIdentityFile(*content) || content->contains(prefix) ||
                          content->contains(prefix.toLower());
    base::wipe(*content);
    return identity;
}

// The wait cursor over the whole program while a key is derived.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

frmKeys::frmKeys(FormRegistry& registry, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::frmKeys>()) {
    Q_UNUSED(registry); // the other windows come here, not the other way
    m_ui->setupUi(this);
    setFont(classicFont());
    makePasswordBox(m_ui->txtPassword);
    makePasswordBox(m_ui->txtPasswordAgain);
    m_ui->meterPW->watch(m_ui->txtPassword);
    m_ui->meterPW->setSealed(m_ui->chkProtect->isChecked());
    m_ui->lstPeople->setColumnWidth(0, 120);
    m_ui->picQr->setPlaceholder(tr("Make a new key or open one: its QR code shows here."));
    connectHandlers();
    showKeys();
    showPeople();
    centreOnFirstShow(this);
}

frmKeys::~frmKeys() {
    forgetPasswords();
}

void frmKeys::connectHandlers() {
    Ui::frmKeys& f = *m_ui;
    connect(f.cmdNewKey, &QPushButton::clicked, this, &frmKeys::cmdNewKey_Click);
    connect(f.cmdOpenKey, &QPushButton::clicked, this, &frmKeys::cmdOpenKey_Click);
    connect(f.cmdClearKeys, &QPushButton::clicked, this, &frmKeys::cmdClearKeys_Click);
    connect(f.cmdCopy, &QPushButton::clicked, this, &frmKeys::cmdCopy_Click);
    connect(f.cmdProtectedCopy, &QPushButton::clicked, this, &frmKeys::cmdProtectedCopy_Click);
    connect(f.cmdPeopleOpen, &QPushButton::clicked, this, &frmKeys::cmdPeopleOpen_Click);
    connect(f.cmdPeopleSave, &QPushButton::clicked, this, &frmKeys::cmdPeopleSave_Click);
    connect(f.cmdPeopleSaveAs, &QPushButton::clicked, this, &frmKeys::cmdPeopleSaveAs_Click);
    connect(f.cmdAdd, &QPushButton::clicked, this, &frmKeys::cmdAdd_Click);
    connect(f.cmdRename, &QPushButton::clicked, this, &frmKeys::cmdRename_Click);
    connect(f.cmdRemove, &QPushButton::clicked, this, &frmKeys::cmdRemove_Click);
    connect(f.cmdClose, &QPushButton::clicked, this, &frmKeys::cmdClose_Click);
    connect(f.chkProtect, &QCheckBox::toggled, f.meterPW, &PasswordMeter::setSealed);
    connect(f.lstIdentities, &QListWidget::currentRowChanged, this, &frmKeys::showChosenKey);
    connect(f.txtPersonKey, &QLineEdit::textChanged, this, &frmKeys::showPersonKeyProblem);
    connect(f.txtPersonKey, &QLineEdit::returnPressed, this, &frmKeys::cmdAdd_Click);
    connect(f.txtPersonName, &QLineEdit::returnPressed, this, &frmKeys::cmdAdd_Click);
    connect(f.lstPeople, &QTreeWidget::itemSelectionChanged, this, [this] {
        const int row = chosenPerson();
        if (row >= 0)
            m_ui->txtPersonName->setText(m_people.at(row).name);
    });
}

QList<cipher::Identity> frmKeys::identities() const {
    QList<cipher::Identity> out;
    for (const OpenKey& key : m_keys)
        out.append(key.identity);
    return out;
}

QList<cipher::Person> frmKeys::people() const {
    return m_people;
}

void frmKeys::tell(const QString& text, bool warning) {
    platform::messageBox(this, text, windowTitle(),
                         warning ? platform::Icon::Warning : platform::Icon::Information);
}

QString frmKeys::askPath(const QString& title, const QString& fileName, bool save) {
    platform::OpenFileRequest request{title, everyFileFilter(), fileName, save};
    const std::optional<QString> chosen = platform::dialogs().openFile(this, request);
    return chosen ? *chosen : QString();
}

// ---- My key -------------------------------------------------------------

frmKeys::Opened frmKeys::openIdentityFile(const QString& path, const base::Secret& password) {
    QString error;
    const std::optional<QByteArray> content = readKeyFile(path, cipher::kMaxKeyFileSize, &error);
    if (!content) {
        return {cipher::KeyStatus::ReadFailed,
                tr("The key file %1 cannot be read: %2.").arg(shown(path), error)};
    }
    QList<cipher::Identity> found;
    cipher::KeyResult result;
    {
        BusyCursor busy;
        result = cipher::readIdentityFile(*content, password.isEmpty() ? nullptr : &password.text(),
                                          &found);
    }
    base::wipe(*content);
    if (!result.ok()) {
        return {result.status, tr("The key file %1 cannot be used: %2")
                                   .arg(shown(path), words::sentence(result.failure))};
    }
    addKeys(found, path);
    return {};
}

void frmKeys::cmdOpenKey_Click() {
    const QString path = askPath(
        tr("Open a key"), m_lastKeyFile.isEmpty() ? defaultFilePath({}) : m_lastKeyFile, false);
    if (path.isEmpty())
        return;
    m_lastKeyFile = path;
    const Opened result = openIdentityFile(path, passwordOf(m_ui->txtPassword));
    if (result.status == cipher::KeyStatus::NeedsPassword) {
        tell(tr("The key in %1 is protected by a password. Type it in the Password box, then "
                "open the key again.")
                 .arg(shown(path)),
             false);
        m_ui->txtPassword->setFocus();
        return;
    }
    // Right or wrong, the password has been used.
    forgetPasswords();
    if (!result.ok())
        tell(result.text);
}

// The boxes' texts are compared where they lie; they are wiped when the boxes
// are cleared (forgetPasswords).
bool frmKeys::newPassword(bool protect, base::Secret* password) {
    if (!protect)
        return true;
    const bool same = m_ui->txtPassword->text() == m_ui->txtPasswordAgain->text();
    if (m_ui->txtPassword->text().isEmpty() || !same) {
        forgetPasswords();
        tell(same ? tr("Type the key's password in both password boxes (or untick the "
                       "password).")
                  : tr("The two passwords differ. Type them again."));
        m_ui->txtPassword->setFocus();
        return false;
    }
    *password = passwordOf(m_ui->txtPassword);
    return true;
}

void frmKeys::cmdNewKey_Click() {
    base::Secret password;
    if (!newPassword(m_ui->chkProtect->isChecked(), &password))
        return;
    const std::optional<cipher::Identity> identity = cipher::Identity::generate();
    if (!identity) {
        tell(tr("The encryption library could not make a key."));
    } else {
        const QString path = writeIdentity(*identity, password, tr("Where to keep the new key"));
        if (!path.isEmpty()) {
            forgetPasswords();
            addKeys({*identity}, path);
        }
    }
}

void frmKeys::cmdProtectedCopy_Click() {
    const int row = m_ui->lstIdentities->currentRow();
    if (row < 0 || row >= m_keys.size())
        return;
    base::Secret password;
    if (!newPassword(true, &password))
        return;
    const QString path =
        writeIdentity(m_keys.at(row).identity, password, tr("Where to keep the protected copy"));
    if (!path.isEmpty()) {
        forgetPasswords();
        tell(tr("A copy of the key, protected by the password, is in %1. Keep it somewhere "
                "else than the key itself.")
                 .arg(shown(path)),
             false);
    }
}

QString frmKeys::writeIdentity(const cipher::Identity& identity, const base::Secret& password,
                               const QString& title) {
    const QString path = askPath(title, unusedFile(QStringLiteral("tessera-key")), true);
    if (path.isEmpty())
        return {};
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink()) {
        tell(tr("%1 already exists. A key is always written to a new file: choose another name.")
                 .arg(shown(path)));
        return {};
    }
    QByteArray file;
    cipher::KeyResult made;
    {
        BusyCursor busy;
        made = cipher::identityFile(identity, password.isEmpty() ? nullptr : &password.text(),
                                    &file);
    }
    if (!made.ok()) {
        tell(made.failure.ok() ? tr("The encryption library failed.") : words::sentence(made.failure));
        return {};
    }
    const bool written = writeFile(path, file, true);
    base::wipe(file);
    return written ? path : QString();
}

bool frmKeys::writeFile(const QString& path, const QByteArray& content, bool secret) {
    io::OutputFile out(path);
    if (secret)
        out.setCreation(io::OutputFile::Creation::NewPrivate);
    base::Failure error;
    if (out.open(&error) && out.write(content, &error) && out.commit(&error))
        return true;
    out.cancel();
    tell(tr("%1 could not be written: %2.").arg(shown(path), words::reason(error)));
    return false;
}

void frmKeys::addKeys(const QList<cipher::Identity>& identities, const QString& file) {
    int chosen = -1;
    const qsizetype before = m_keys.size();
    for (const cipher::Identity& identity : identities) {
        const auto same = [&](const OpenKey& key) {
            return key.identity.recipient() == identity.recipient();
        };
        const auto open = std::find_if(m_keys.cbegin(), m_keys.cend(), same);
        chosen = int(open - m_keys.cbegin());
        if (open == m_keys.cend())
            m_keys.append({identity, file});
    }
    showKeys();
    if (chosen >= 0)
        m_ui->lstIdentities->setCurrentRow(chosen);
    if (m_keys.size() != before)
        emit changed();
}

void frmKeys::cmdClearKeys_Click() {
    m_keys.clear();
    forgetPasswords();
    showKeys();
    emit changed();
}

void frmKeys::forgetPasswords() {
    wipeBox(m_ui->txtPassword);
    wipeBox(m_ui->txtPasswordAgain);
}

void frmKeys::cmdCopy_Click() {
    if (!m_ui->txtRecipient->text().isEmpty())
        QGuiApplication::clipboard()->setText(m_ui->txtRecipient->text());
}

void frmKeys::showKeys() {
    QListWidget* list = m_ui->lstIdentities;
    const QSignalBlocker quiet(list);
    const int row = list->currentRow();
    list->clear();
    for (const OpenKey& key : m_keys) {
        list->addItem(tr("%1  (%2)")
                          .arg(QFileInfo(key.file).fileName(),
                               shortened(cipher::recipientText(key.identity.recipient()))));
        list->item(list->count() - 1)->setToolTip(QDir::toNativeSeparators(key.file));
    }
    list->setCurrentRow(qMin(qMax(row, 0), int(m_keys.size()) - 1));
    m_ui->cmdClearKeys->setEnabled(!m_keys.isEmpty());
    showChosenKey();
}

void frmKeys::showChosenKey() {
    const int row = m_ui->lstIdentities->currentRow();
    const bool chosen = row >= 0 && row < m_keys.size();
    const QString recipient =
        chosen ? cipher::recipientText(m_keys.at(row).identity.recipient()) : QString();
    m_ui->txtRecipient->setText(recipient);
    m_ui->txtRecipient->setCursorPosition(0);
    m_ui->picQr->setText(recipient);
    m_ui->cmdCopy->setEnabled(chosen);
    m_ui->cmdProtectedCopy->setEnabled(chosen);
}

// ---- People -------------------------------------------------------------

void frmKeys::cmdPeopleOpen_Click() {
    if (!mayDropPeopleChanges(tr("The people list has changes that are not saved. Open another "
                                 "file and lose them?")))
        return;
    const QString path = askPath(
        tr("Open a people file"),
        m_peopleFile.isEmpty() ? defaultFilePath(QStringLiteral("people.txt")) : m_peopleFile,
        false);
    if (!path.isEmpty())
        openPeople(path);
}

bool frmKeys::openPeople(const QString& path) {
    QString error;
    const std::optional<QByteArray> content = readKeyFile(path, cipher::kMaxKeyFileSize, &error);
    if (!content) {
        tell(tr("The people file %1 cannot be read: %2.").arg(shown(path), error));
        return false;
    }
    cipher::PeopleProblem problem;
    const std::optional<QList<cipher::Person>> people = cipher::parsePeople(*content, &problem);
    if (!people) {
        tell(tr("%1 is not a people file. Its line %2: %3")
                 .arg(shown(path))
                 .arg(problem.line)
                 .arg(words::keyTextProblem(problem.problem, problem.given)));
        return false;
    }
    m_people = *people;
    m_peopleFile = path;
    m_peopleModified = false;
    showPeople();
    emit changed();
    return true;
}

void frmKeys::cmdPeopleSave_Click() {
    if (m_peopleFile.isEmpty())
        cmdPeopleSaveAs_Click();
    else
        savePeople(m_peopleFile);
}

void frmKeys::cmdPeopleSaveAs_Click() {
    const QString path =
        askPath(tr("Save the people file"),
                m_peopleFile.isEmpty() ? unusedFile(QStringLiteral("people")) : m_peopleFile, true);
    if (path.isEmpty())
        return;
    const QFileInfo target(path);
    if (target.exists() && path != m_peopleFile) {
        if (holdsIdentity(path)) {
            tell(tr("%1 holds a key (an identity). A people file never replaces a key: choose "
                    "another name.")
                     .arg(shown(path)));
            return;
        }
        if (platform::messageBox(this, tr("%1 already exists. Replace it?").arg(shown(path)),
                                 windowTitle(), platform::Icon::Question,
                                 platform::Buttons::YesNo) != platform::Answer::Yes)
            return;
    }
    savePeople(path);
}

bool frmKeys::savePeople(const QString& path) {
    if (!writeFile(path, cipher::peopleFile(m_people), false))
        return false;
    m_peopleFile = path;
    m_peopleModified = false;
    showPeople();
    return true;
}

bool frmKeys::mayDropPeopleChanges(const QString& question) {
    return !m_peopleModified ||
           platform::messageBox(this, question, windowTitle(), platform::Icon::Question,
                                platform::Buttons::YesNo) == platform::Answer::Yes;
}

void frmKeys::refusePersonKey(cipher::KeyTextProblem problem, const QString& given) {
    const QString sentence = words::keyTextProblem(problem, given);
    if (problem == cipher::KeyTextProblem::IsIdentity)
        wipeBox(m_ui->txtPersonKey); // a secret: never kept, never shown
    tell(sentence);
    m_ui->txtPersonKey->setFocus();
}

void frmKeys::showPersonKeyProblem() {
    const QString text = m_ui->txtPersonKey->text();
    cipher::KeyTextProblem problem = cipher::KeyTextProblem::None;
    const bool valid = cipher::parseRecipient(text, &problem).has_value();
    if (problem == cipher::KeyTextProblem::IsIdentity) {
        m_ui->lblKeyProblem->clear();
        refusePersonKey(problem, text);
        return;
    }
    const bool quiet = valid || problem == cipher::KeyTextProblem::Empty;
    m_ui->lblKeyProblem->setText(quiet ? QString() : breakable(words::keyTextProblem(problem, text)));
}

void frmKeys::cmdAdd_Click() {
    const QString text = m_ui->txtPersonKey->text();
    cipher::KeyTextProblem problem = cipher::KeyTextProblem::None;
    const std::optional<cipher::PublicKey> key = cipher::parseRecipient(text, &problem);
    if (!key) {
        refusePersonKey(problem, text);
        return;
    }
    const QString name = m_ui->txtPersonName->text().simplified();
    const auto same = [&](const cipher::Person& person) { return person.recipient == *key; };
    const auto known = std::find_if(m_people.cbegin(), m_people.cend(), same);
    if (known != m_people.cend()) {
        tell(tr("This recipient is in the list already, as %1.").arg(known->name));
        return;
    }
    if (name.isEmpty()) {
        tell(tr("Type the person's name too, so that you can find them in the list."));
        m_ui->txtPersonName->setFocus();
        return;
    }
    m_people.append({*key, name});
    setPeopleModified();
    m_ui->lstPeople->setCurrentItem(m_ui->lstPeople->topLevelItem(int(m_people.size()) - 1));
    // Ready for the next person.
    m_ui->txtPersonKey->clear();
    m_ui->txtPersonName->clear();
}

void frmKeys::cmdRename_Click() {
    const int row = chosenPerson();
    const QString name = m_ui->txtPersonName->text().simplified();
    if (row < 0 || name.isEmpty()) {
        tell(row < 0 ? tr("Choose the person to rename in the list first.")
                     : tr("Type the person's new name in the Name box."));
        return;
    }
    m_people[row].name = name;
    setPeopleModified();
    m_ui->lstPeople->setCurrentItem(m_ui->lstPeople->topLevelItem(row));
}

void frmKeys::cmdRemove_Click() {
    const int row = chosenPerson();
    if (row < 0) {
        tell(tr("Choose the person to remove in the list first."));
        return;
    }
    m_people.removeAt(row);
    m_ui->txtPersonName->clear();
    setPeopleModified();
}

void frmKeys::setPeopleModified() {
    m_peopleModified = true;
    showPeople();
    emit changed();
}

int frmKeys::chosenPerson() const {
    const QModelIndexList chosen = m_ui->lstPeople->selectionModel()->selectedRows();
    return chosen.isEmpty() ? -1 : chosen.constFirst().row();
}

void frmKeys::showPeople() {
    QTreeWidget* list = m_ui->lstPeople;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const cipher::Person& person : m_people) {
        const QString recipient = cipher::recipientText(person.recipient);
        auto* item = new QTreeWidgetItem(list, {person.name, recipient});
        item->setToolTip(1, recipient);
    }
    const QString file =
        m_peopleFile.isEmpty() ? tr("not saved yet") : QFileInfo(m_peopleFile).fileName();
    m_ui->lblPeopleFile->setText(m_peopleModified ? tr("People file: %1 (changed)").arg(file)
                                                  : tr("People file: %1").arg(file));
    m_ui->lblPeopleFile->setToolTip(QDir::toNativeSeparators(m_peopleFile));
}

// ---- The window ---------------------------------------------------------

void frmKeys::cmdClose_Click() {
    close();
}

void frmKeys::closeEvent(QCloseEvent* event) {
    // The window only hides: what is open stays for the other windows.
    if (mayDropPeopleChanges(tr("The people list has changes that are not saved in a file; "
                                "they are lost when the program ends. Close the window "
                                "without saving them?")))
        event->accept();
    else
        event->ignore();
}

} // namespace ui
