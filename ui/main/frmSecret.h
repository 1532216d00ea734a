#pragma once

// The hidden picture window behind the main window's captionless menu: one
// large picture and an Exit button that closes this window only.

#include <QWidget>
#include <memory>

namespace Ui {
class frmSecret;
}

namespace ui {

class FormRegistry;

class frmSecret : public QWidget {
    Q_OBJECT
public:
    explicit frmSecret(FormRegistry& registry, QWidget* parent = nullptr);
    ~frmSecret() override;

public slots:
    void cmdExit_Click();

private:
    std::unique_ptr<Ui::frmSecret> m_ui;
};

} // namespace ui
