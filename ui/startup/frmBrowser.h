#pragma once

// The web page viewer: a small browser window with a toolbar (Back, Forward,
// Stop, Refresh, Home), an address box that lists the pages visited, most
// recent first, and the browser control. The caption shows the page's title,
// or "Working..." while the control is busy. Every opening is a new viewer
// with its own history; the opener sets StartingAddress and shows it.

#include <QString>
#include <QWidget>
#include <memory>

class QTimer;

namespace Ui {
class frmBrowser;
}
namespace platform {
class BrowserControl;
}

namespace ui {

class FormRegistry;

class frmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit frmBrowser(FormRegistry& registry, QWidget* parent = nullptr);
    ~frmBrowser() override;

    // The address loaded when the window is first shown; empty loads nothing.
    QString StartingAddress() const { return m_startingAddress; }
    void setStartingAddress(const QString& address) { m_startingAddress = address; }

    // True only while the address list is being rebuilt after a navigation.
    bool NavigationSuppressed() const { return m_navigationSuppressed; }

public slots:
    void Form_Load();
    void Form_Resize();
    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void tbToolBar_ButtonClick(const QString& key);
    void timTimer_Timer();
    void brwWebBrowser_DownloadComplete();
    void brwWebBrowser_NavigateComplete2(const QString& url);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void alignTopBars();

    std::unique_ptr<Ui::frmBrowser> m_ui;
    platform::BrowserControl* brwWebBrowser = nullptr;
    QTimer* timTimer = nullptr;
    QString m_startingAddress;
    bool m_navigationSuppressed = false;
    bool m_loaded = false;
};

} // namespace ui
