#pragma once

// What the wizard's windows have in common: white text on a black window of a
// fixed size, centred on the screen; a default button that Enter presses (a
// plain QWidget has no such thing of its own), and that has the focus on every
// arrival unless the user was typing in a box; small arrows drawn as straight
// lines beside Back and Next; and a close through the window frame that leads
// back to the mode chooser instead of leaving an empty screen.

#include "ui/common/WindowLook.h"
#include "ui/wizard/Wizard.h"

#include <QColor>
#include <QLine>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace ui {

class FormRegistry;

class WizardPage : public QWidget {
    Q_OBJECT
public:
    // A line drawn on the window, in twips as the window's design gives it.
    struct Line {
        QString name;
        QLine twips;
        QColor colour;
    };

    WizardPage(FormRegistry& registry, Wizard& wizard, QWidget* parent = nullptr);

    QPushButton* defaultButton() const { return m_defaultButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    const QList<Line>& lines() const { return m_lines; }

protected:
    // Builds the page from its designer form: the controls, the classic face,
    // then the size, colours and place every page shares, with every label's
    // text fitted into its place.
    template <class Form> void build(Form& form) {
        form.setupUi(this);
        setFont(classicFont());
        finishSetup();
    }
    // Back and Next as every page after the first has them: a red arrow by
    // Back, a green one by Next (lines Line1 to Line6), and Next the default
    // button where Enter is to press it.
    void addNavigation(QPushButton* back, QPushButton* next, bool nextIsDefault);
    // The same, with a click on Back calling the page's `onBack` and one on
    // Next its `onNext`.
    template <class Page>
    void addNavigation(QPushButton* back, QPushButton* next, bool nextIsDefault,
                       void (Page::*onBack)(), void (Page::*onNext)()) {
        addNavigation(back, next, nextIsDefault);
        Page* page = static_cast<Page*>(this);
        connect(back, &QPushButton::clicked, page, onBack);
        connect(next, &QPushButton::clicked, page, onNext);
    }
    // Enter presses this button (and it is drawn as the default one).
    void setDefaultButton(QPushButton* button);
    // Escape presses this button.
    void setCancelButton(QPushButton* button);
    void addLine(const QString& name, QLine twips, const QColor& colour);
    // The small red arrow pointing left, just left of a Back button.
    void addBackArrow(QPushButton* back, int firstLine);
    // The small green arrow pointing right, just right of a Next button.
    void addNextArrow(QPushButton* next, int firstLine);

    // A close through the window frame: back to the mode chooser. Windows with
    // another meaning for it override this.
    virtual void closedThroughFrame();

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    FormRegistry& m_registry;
    Wizard& m_wizard;

private:
    void finishSetup();

    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
    QList<Line> m_lines;
};

inline const QColor kArrowRed(255, 0, 0);
inline const QColor kArrowGreen(0, 255, 0);
// The text of a disabled control on the black pages: the classic grey text.

} // namespace ui
