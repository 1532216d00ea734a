#pragma once

// The splash window: "Tessera is Loading..." over a bar that fills in steps of
// a second and empties again, until after five seconds the intro window takes
// over.

#include <QWidget>
#include <memory>

class QProgressBar;
class QTimer;

namespace Ui {
class frmLoad;
}

namespace ui {

class FormRegistry;

class frmLoad : public QWidget {
    Q_OBJECT
public:
    static constexpr int kKewlInterval = 1000; // ms between steps of the bar
    static constexpr int kLookInterval = 5000; // ms until the intro window shows

    explicit frmLoad(FormRegistry& registry, QWidget* parent = nullptr);
    ~frmLoad() override;

    QProgressBar* pbKewl() const;
    QTimer* tmdKewl() const { return m_tmdKewl; }
    QTimer* tmrLook() const { return m_tmrLook; }

public slots:
    void tmdKewl_Timer();
    void tmrLook_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FormRegistry& m_registry;
    std::unique_ptr<Ui::frmLoad> m_ui;
    QTimer* m_tmdKewl;
    QTimer* m_tmrLook;
};

} // namespace ui
