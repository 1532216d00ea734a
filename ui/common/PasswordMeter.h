#pragma once

// Beside a password box while Sealed is chosen: how long the password would
// hold against guessing, as a bar of five steps and a line of plain words
// ("Weak: about 3 days to guess"). The classic formats show nothing,
// since their password does not protect them anyway; an empty box shows
// nothing either. A build without the estimator never shows it. The words
// always show whole: where the face runs wide they get smaller rather than
// being cut off.

#include "cipher/Keys.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;

namespace ui {

class PasswordMeter : public QWidget {
    Q_OBJECT
public:
    explicit PasswordMeter(QWidget* parent = nullptr);

    // Rates the box's text on every change.
    void watch(QLineEdit* box);
    // Rates a password once, where there is no box to watch (the wizard's
    // options page, with the password page's answer). Only the rating is kept.
    void rate(const QString& password);
    // Shown only while Sealed is chosen.
    void setSealed(bool sealed);

    // The words shown; empty while hidden.
    QString text() const;
    // The rating shown; nothing while hidden.
    std::optional<cipher::Strength> strength() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rateBox();
    void refresh();
    void fitWords();

    QPointer<QLineEdit> m_box;
    bool m_sealed = false;
    std::optional<cipher::Strength> m_rating; // of the last password; none for an empty one
    QLabel* m_words;
};

} // namespace ui
