#pragma once

// Beside a password box while Sealed is chosen: how long the password would
// hold against guessing, as a bar of five steps and a line of plain words
// ("Weak: about 3 days to guess"). The classic formats show nothing,
// since their password does not protect them anyway; an empty box shows
// nothing either. A build without the estimator never shows it.

#include "sealed/Strength.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class QLineEdit;

namespace ui {

class PasswordMeter : public QWidget {
    Q_OBJECT
public:
    explicit PasswordMeter(QWidget* parent = nullptr);

    // Rates the box's text on every change.
    void watch(QLineEdit* box);
    // Shown only while Sealed is chosen.
    void setSealed(bool sealed);

    // The words shown; empty while hidden.
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rate();

    QPointer<QLineEdit> m_box;
    bool m_sealed = false;
    std::optional<sealed::Strength> m_strength;
};

} // namespace ui
