#pragma once

// The intro window: the product's name in seven large letters that flicker
// between red and blue while a gap runs through them, over a full-window
// picture; Start leads to the mode chooser, Exit ends the program.

#include <QList>
#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace Ui {
class frmFlash;
}

namespace ui {

class FormRegistry;

class frmFlash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimer1Interval = 500; // ms: letters red, gap starts
    static constexpr int kTimer2Interval = 100; // ms: the gap moves one place
    static constexpr int kTimer3Interval = 750; // ms: letters blue
    static constexpr int kLetterCount = 7;
    static constexpr qreal kLetterPointSize = 48.0;

    explicit frmFlash(FormRegistry& registry, QWidget* parent = nullptr);
    ~frmFlash() override;

    // The letters T, e, s, s, e, r, a, index 0 leftmost.
    const QList<QLabel*>& lblKewl() const { return m_lblKewl; }
    QTimer* Timer1() const { return m_timer1; }
    QTimer* Timer2() const { return m_timer2; }
    QTimer* Timer3() const { return m_timer3; }
    // The index of the letter the gap hides next.
    qint16 counter() const { return m_counter; }

public slots:
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void cmdStart_Click();
    void cmdExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setLetterColour(const QColor& colour);

    FormRegistry& m_registry;
    std::unique_ptr<Ui::frmFlash> m_ui;
    QList<QLabel*> m_lblKewl;
    QTimer* m_timer1;
    QTimer* m_timer2;
    QTimer* m_timer3;
    qint16 m_counter = 0;
};

} // namespace ui
