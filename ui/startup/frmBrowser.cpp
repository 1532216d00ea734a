#include "ui/startup/frmBrowser.h"
#include "ui/startup/WebPage.h"

#include "platform/BrowserControl.h"
#include "platform/Dialogs.h"
#include "resources/Artwork.h"
#include "ui/AppInfo.h"
#include "ui/FormRegistry.h"
#include "ui/common/WindowLook.h"
#include "ui/common/WindowTimer.h"
#include "ui_frmBrowser.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>

namespace ui {

namespace {

// Sizes are worked out in twips, as the window's design gives them, and
// shown in pixels.
int toTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

int toPixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}

// A size that comes out negative (a window shrunk to almost nothing) is not
// applied; the control keeps its size.
void setWidthTwips(QWidget* w, int twips) {
    if (twips >= 0)
        w->resize(toPixels(twips), w->height());
}

void setHeightTwips(QWidget* w, int twips) {
    if (twips >= 0)
        w->resize(w->width(), toPixels(twips));
}

} // namespace

void openWebPage(FormRegistry& registry, QWidget* parent, const QString& address) {
    if (!registry.isRegistered<frmBrowser>())
        return;
    if (const std::optional<QString> problem = platform::browserProblem()) {
        platform::messageBox(
            parent,
            frmBrowser::tr("The web page cannot be shown here: %1.\n\nIts address is %2.")
                .arg(*problem, address),
            base::kAppTitle, platform::Icon::Warning);
        return;
    }
    frmBrowser* viewer = registry.createNew<frmBrowser>();
    if (!viewer)
        return;
    viewer->setStartingAddress(address);
    viewer->show();
}

frmBrowser::frmBrowser(FormRegistry& registry, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::frmBrowser>()) {
    Q_UNUSED(registry); // the viewer opens no other window
    m_ui->setupUi(this);
    // A sizable window of its own that does not appear in the taskbar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);

    // The browser control takes the place (and the name) of the design's
    // placeholder.
    QWidget* placeholder = m_ui->brwWebBrowser;
    brwWebBrowser = platform::createBrowserControl(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setGeometry(placeholder->geometry());
    delete placeholder;
    m_ui->brwWebBrowser = brwWebBrowser;
    // Home is the page this viewer exists for: the author's web page. Without
    // a network it simply fails to load, like any other unreachable page.
    brwWebBrowser->setHomePage(kAuthorWebPage);
    setTabOrder(m_ui->cboAddress, brwWebBrowser);

    // The buttons are known by their English names; they show the user's words.
    for (const char* name : {QT_TR_NOOP("Back"), QT_TR_NOOP("Forward"), QT_TR_NOOP("Stop"),
                             QT_TR_NOOP("Refresh"), QT_TR_NOOP("Home")}) {
        const QString key = QString::fromLatin1(name);
        QAction* button = m_ui->tbToolBar->addAction(resources::toolbarIcon(key), tr(name));
        button->setObjectName(key);
        button->setData(key);
    }

    timTimer = new QTimer(this);
    setUpTimer(timTimer, QStringLiteral("timTimer"), 5, this, &frmBrowser::timTimer_Timer);

    connect(m_ui->tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction* button) { tbToolBar_ButtonClick(button->data().toString()); });
    connect(m_ui->cboAddress, &QComboBox::activated, this, &frmBrowser::cboAddress_Click);
    // Enter in the address box is this window's: the box neither adds the text
    // to its list nor reports a choice of its own.
    m_ui->cboAddress->installEventFilter(this);
    if (QLineEdit* edit = m_ui->cboAddress->lineEdit()) {
        edit->installEventFilter(this);
        // A screen reader in the box hears what it is for.
        edit->setAccessibleName(tr("Address"));
        // Leaving the box with a listed address typed in is no choice from the
        // list: the box must not report it as one.
        disconnect(edit, &QLineEdit::editingFinished, m_ui->cboAddress, nullptr);
    }
    connect(brwWebBrowser, &platform::BrowserControl::downloadComplete, this,
            &frmBrowser::brwWebBrowser_DownloadComplete);
    connect(brwWebBrowser, &platform::BrowserControl::navigateComplete2, this,
            &frmBrowser::brwWebBrowser_NavigateComplete2);
}

frmBrowser::~frmBrowser() {
    // The children still report (the address box its focus, the control an
    // aborted load) while they are torn down; nothing of that may reach this
    // window any more.
    timTimer->stop();
    brwWebBrowser->disconnect(this);
    m_ui->cboAddress->disconnect(this);
    m_ui->cboAddress->removeEventFilter(this);
    if (QLineEdit* edit = m_ui->cboAddress->lineEdit())
        edit->removeEventFilter(this);
}

void frmBrowser::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_loaded)
        Form_Load();
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    alignTopBars();
    Form_Resize();
}

// The toolbar and the address strip are docked along the top edge: they
// always span the window's width.
void frmBrowser::alignTopBars() {
    m_ui->tbToolBar->resize(width(), m_ui->tbToolBar->height());
    m_ui->picAddress->resize(width(), m_ui->picAddress->height());
}

void frmBrowser::Form_Load() {
    m_loaded = true;
    if (!isVisible())
        show();
    m_ui->tbToolBar->update();
    Form_Resize();
    QLabel* label = m_ui->lblAddress;
    m_ui->cboAddress->move(toPixels(50),
                           toPixels(toTwips(label->y()) + toTwips(label->height()) + 15));
    if (m_startingAddress.isEmpty())
        return;
    m_ui->cboAddress->setEditText(m_startingAddress);
    m_ui->cboAddress->addItem(m_startingAddress);
    timTimer->start();
    brwWebBrowser->navigate(m_startingAddress);
}

void frmBrowser::Form_Resize() {
    const int innerWidth = toTwips(width());
    const int innerHeight = toTwips(height());
    const QWidget* strip = m_ui->picAddress;
    // The page begins at the address strip's lower edge: any higher and the
    // strip would hide the top of every page.
    brwWebBrowser->move(brwWebBrowser->x(), strip->y() + strip->height());
    setWidthTwips(m_ui->cboAddress, innerWidth - 100);
    setWidthTwips(brwWebBrowser, innerWidth - 100);
    setHeightTwips(brwWebBrowser,
                   innerHeight - (toTwips(strip->y()) + toTwips(strip->height())) - 100);
}

void frmBrowser::cboAddress_Click() {
    if (m_navigationSuppressed)
        return;
    timTimer->start();
    brwWebBrowser->navigate(m_ui->cboAddress->currentText());
}

void frmBrowser::cboAddress_KeyPress(int keyAscii) {
    if (keyAscii == 13)
        cboAddress_Click();
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == m_ui->cboAddress || watched == m_ui->cboAddress->lineEdit())) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            cboAddress_KeyPress(13);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmBrowser::tbToolBar_ButtonClick(const QString& key) {
    timTimer->start();
    if (key == QLatin1String("Back")) {
        brwWebBrowser->goBack();
    } else if (key == QLatin1String("Forward")) {
        brwWebBrowser->goForward();
    } else if (key == QLatin1String("Refresh")) {
        brwWebBrowser->refresh();
    } else if (key == QLatin1String("Home")) {
        brwWebBrowser->goHome();
    } else if (key == QLatin1String("Stop")) {
        timTimer->stop();
        brwWebBrowser->stop();
        setWindowTitle(brwWebBrowser->locationName());
    }
}

void frmBrowser::timTimer_Timer() {
    if (brwWebBrowser->busy()) {
        setWindowTitle(tr("Working..."));
    } else {
        timTimer->stop();
        setWindowTitle(brwWebBrowser->locationName());
    }
}

void frmBrowser::brwWebBrowser_DownloadComplete() {
    setWindowTitle(brwWebBrowser->locationName());
}

// The address list is a most-recent-first history without duplicates: the
// address arrived at moves to (or is added at) the top and becomes the box's
// text. Selecting it must not start another navigation.
void frmBrowser::brwWebBrowser_NavigateComplete2(const QString& url) {
    Q_UNUSED(url); // the control's own address is the one listed
    setWindowTitle(brwWebBrowser->locationName());
    QComboBox* box = m_ui->cboAddress;
    const QString address = brwWebBrowser->locationURL();
    const int found = box->findText(address, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_navigationSuppressed = true;
    if (found >= 0)
        box->removeItem(found);
    box->insertItem(0, address);
    box->setCurrentIndex(0);
    m_navigationSuppressed = false;
}

} // namespace ui
