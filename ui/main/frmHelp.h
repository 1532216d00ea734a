#pragma once

// The help window: how to encrypt and decrypt in the main window, and the
// repair "Tessera Fix" that deletes a scratch file left behind by an
// interrupted encryption. Below them, in the same scrolling page, a section
// of our own on what Tessera2 adds: Sealed, the format caption, the strength
// meter, drops, the question before a document is replaced, and sealing to
// people with the Keys window.

#include <QWidget>
#include <memory>

namespace Ui {
class frmHelp;
}

namespace ui {

class FormRegistry;

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(FormRegistry& registry, QWidget* parent = nullptr);
    ~frmHelp() override;

public slots:
    void cmdKillEnc_Click();
    void cmdClose_Click();

private:
    std::unique_ptr<Ui::frmHelp> m_ui;

    void makeScrollingPage();
    int addOwnSection(QWidget* page, int top);
};

} // namespace ui
