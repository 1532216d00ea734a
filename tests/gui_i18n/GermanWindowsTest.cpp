// Every window of the program as a German user meets it. Each registered
// window is opened through the registry (and those that show more when Sealed
// is chosen once more, with Sealed), once in English and once with the
// German translation installed as the program installs it, and its controls
// are walked: every text a control shows, its tip and what a screen reader
// says of it must be German (a handful of names excepted), and every shown
// text must fit its control at the letters' English size, without the control
// reaching out of its place or over a neighbour it leaves alone in English.
// Without the translation, the English comes back exactly.

#include "tests/support/ScriptedDialogs.h"
#include "translations/Language.h"
#include "ui/FormRegistry.h"
#include "ui/filecipher/frmEncFile.h"
#include "ui/main/frmMain.h"
#include "ui/wizard/Wizard.h"
#include "ui/wizard/frmPW.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The words a German text may share with the English one: names that are
// never translated (the program, its classic options, its repair Tessera
// Fix), and words German writes the same.
const QStringList kSameInBothLanguages = {
    QStringLiteral("Tessera"),  QStringLiteral("Tessera2"), QStringLiteral("PIC"),
    QStringLiteral("JunkBitz"), QStringLiteral("Fix"),      QStringLiteral("OK"),
    QStringLiteral("Start"),    QStringLiteral("Name"),     QStringLiteral("Version"),
};

// One thing a control says: what it shows (with the room it has for it), its
// tip, or what a screen reader hears.
struct Said {
    QString text;
    QRect geometry;
    qreal pointSize = 0;
    int needed = 0;         // width the shown text takes (height for wrapped labels)
    int room = 0;           // width the control gives it (height for wrapped labels)
    bool inPlace = true;    // inside its parent
    QStringList neighbours; // the shown siblings it overlaps
};
using Walk = QMap<QString, Said>;

// A text as it is drawn: "&Browse" shows as "Browse".
QString shown(QString text) {
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    return text.replace(mnemonic, QStringLiteral("\\1"));
}

int widest(const QFontMetrics& metrics, const QString& text) {
    int width = 0;
    for (const QString& line : shown(text).split(QLatin1Char('\n')))
        width = qMax(width, metrics.horizontalAdvance(line));
    return width;
}

// The room a control gives its text and the width (or for a wrapped label,
// the height) the text takes there; false for controls that show no text.
bool measure(QWidget* control, Said* said) {
    QStyle* style = control->style();
    if (auto* label = qobject_cast<QLabel*>(control)) {
        said->text = label->text();
        if (label->wordWrap()) {
            said->needed = label->heightForWidth(label->width());
            said->room = label->height();
        } else {
            const int margins = 2 * label->margin() + qMax(0, label->indent());
            said->needed = label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(said->text)
                               ? widest(label->fontMetrics(), said->text) + margins
                               : label->sizeHint().width();
            said->room = label->contentsRect().width();
        }
        return true;
    }
    if (auto* button = qobject_cast<QToolButton*>(control)) {
        // A tool bar's button takes the room its text needs.
        said->text = button->text();
        said->needed = button->sizeHint().width();
        said->room = button->width();
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        said->text = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        const auto element = qobject_cast<QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
                             : qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                   : QStyle::SE_PushButtonContents;
        said->room = style->subElementRect(element, &option, button).width();
        said->needed = widest(button->fontMetrics(), said->text);
        if (!button->icon().isNull())
            said->needed += button->iconSize().width() + 4;
        return true;
    }
    if (auto* box = qobject_cast<QComboBox*>(control)) {
        // Every choice must fit the box's field.
        QStringList items;
        for (int i = 0; i < box->count(); ++i) {
            items << box->itemText(i);
            said->needed = qMax(said->needed, widest(box->fontMetrics(), box->itemText(i)));
        }
        said->text = items.join(QLatin1Char('|'));
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = box->isEditable();
        said->room =
            style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
                .width();
        return !box->isEditable();
    }
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        said->text = box->title();
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = box->alignment();
        const QRect label =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        said->needed = label.right() + 1;
        said->room = box->contentsRect().right() + 1;
        return true;
    }
    return false;
}

// Where a control is in its window, by the object names down to it.
QString pathOf(const QObject* object, const QWidget* window) {
    QStringList names;
    for (const QObject* o = object; o && o != window; o = o->parent()) {
        QString name = o->objectName();
        if (name.isEmpty() && o->parent()) {
            name = QStringLiteral("%1#%2")
                       .arg(QString::fromLatin1(o->metaObject()->className()))
                       .arg(o->parent()->children().indexOf(const_cast<QObject*>(o)));
        }
        names.prepend(name);
    }
    return window->objectName() + QLatin1Char('/') + names.join(QLatin1Char('/'));
}

void note(Walk& walk, const QString& key, const QString& text) {
    if (!text.trimmed().isEmpty())
        walk.insert(key, Said{text, {}, 0, 0, 0, true, {}});
}

// Where a control stands among its siblings.
void place(QWidget* control, Said* said) {
    QWidget* parent = control->parentWidget();
    said->geometry = control->geometry();
    said->pointSize = control->font().pointSizeF();
    said->inPlace = !parent || parent->rect().contains(said->geometry);
    if (!parent)
        return;
    for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != control && sibling->isVisible() &&
            sibling->geometry().intersects(said->geometry))
            said->neighbours << sibling->objectName();
    }
}

// What the window's controls on the screen say, as the window opened.
void walkWindow(QWidget* window, Walk& walk, const QString& view = QString()) {
    const QString name = view + window->objectName();
    note(walk, name + QStringLiteral("/:title"), window->windowTitle());
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->window() != window)
            continue;
        const QString path = view + pathOf(control, window);
        Said said;
        if (measure(control, &said) && !said.text.trimmed().isEmpty()) {
            place(control, &said);
            walk.insert(path + QStringLiteral(":text"), said);
        }
        note(walk, path + QStringLiteral(":tip"), control->toolTip());
        note(walk, path + QStringLiteral(":name"), control->accessibleName());
        note(walk, path + QStringLiteral(":description"), control->accessibleDescription());
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            for (int i = 0; i < box->count(); ++i)
                note(walk, path + QStringLiteral(":item%1").arg(i), box->itemText(i));
        }
    }
    // Menu entries say their words too; their menus make room for them.
    for (QAction* action : window->findChildren<QAction*>())
        note(walk, view + pathOf(action, window) + QStringLiteral(":action"), action->text());
}

void showAndWalk(QWidget* window, Walk& walk, const QString& view = QString()) {
    // The window as it opens: its own timers (the intro's letters, the
    // splash's hand-over) are held.
    for (QTimer* timer : window->findChildren<QTimer*>())
        timer->stop();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window)) << window->objectName().toStdString();
    walkWindow(window, walk, view);
}

// The windows where Sealed shows more once more, with Sealed chosen: the
// format caption, and in the file window, sealing to people.
void walkSealedViews(ui::FormRegistry& registry, Walk& walk) {
    ui::MessageOptions options;
    options.format = cipher::Format::Sealed;
    registry.form<ui::frmMain>()->setOptions(options);
    registry.part<ui::Wizard>()->optionsChosen(options);
    QWidget* file = registry.form<ui::frmEncFile>();
    file->findChild<QCheckBox*>(QStringLiteral("chkSealed"))->setChecked(true);
    if (auto* people = file->findChild<QComboBox*>(QStringLiteral("cboSealTo")))
        people->setCurrentIndex(1);
    for (QWidget* window : {static_cast<QWidget*>(registry.form<ui::frmMain>()), file,
                            static_cast<QWidget*>(registry.form<ui::frmPW>())}) {
        showAndWalk(window, walk, QStringLiteral("sealed:"));
        window->hide();
    }
}

// Every registered window, made afresh in the language now installed.
Walk walkEveryWindow() {
    testsupport::ScriptedDialogs dialogs;
    ui::FormRegistry registry;
    ui::registerAllForms(registry);
    registry.quitHandler = [] {};
    Walk walk;
    ui::AllForms::forEach([&]<class Form> {
        QPointer<QWidget> window = registry.widget<Form>();
        if (!window) {
            ADD_FAILURE() << ui::FormRegistry::nameOf<Form>().toStdString() << " could not be made";
            return;
        }
        showAndWalk(window, walk);
        if (window)
            window->close();
    });
    walkSealedViews(registry, walk);
    registry.unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return walk;
}

bool sameInBothLanguages(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (auto it = word.globalMatch(shown(text)); it.hasNext();) {
        if (!kSameInBothLanguages.contains(it.next().captured()))
            return false;
    }
    return true;
}

TEST(GermanWindows, EveryTextIsGermanAndFitsItsPlaceAndEnglishComesBack) {
    QLocale::setDefault(QLocale::c());
    const Walk english = walkEveryWindow();
    ASSERT_GT(english.size(), 200);

    Walk german;
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const i18n::Translation translation({QStringLiteral("de-DE"), QStringLiteral("de")});
        ASSERT_EQ(translation.language(), QStringLiteral("de"));
        // Qt's own words come in German too (the message boxes' buttons).
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        german = walkEveryWindow();
        QLocale::setDefault(QLocale::c());
    }
    EXPECT_EQ(german.keys(), english.keys());

    for (auto it = german.cbegin(); it != german.cend(); ++it) {
        const QString& key = it.key();
        const Said& de = it.value();
        const Said en = english.value(key);
        if (de.text == en.text && !sameInBothLanguages(de.text)) {
            ADD_FAILURE() << key.toStdString() << " is left in English: " << de.text.toStdString();
        }
        if (!key.endsWith(QLatin1String(":text")))
            continue;
        EXPECT_LE(de.needed, de.room)
            << key.toStdString() << " does not fit: " << de.text.toStdString();
        EXPECT_EQ(de.pointSize, en.pointSize) << key.toStdString() << " made its letters smaller";
        EXPECT_TRUE(de.inPlace || !en.inPlace) << key.toStdString() << " reaches out of its place";
        for (const QString& neighbour : de.neighbours) {
            EXPECT_TRUE(en.neighbours.contains(neighbour))
                << key.toStdString() << " reaches over " << neighbour.toStdString();
        }
    }

    // The translation is gone with its object: the English is back, exactly.
    const Walk again = walkEveryWindow();
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        EXPECT_EQ(again.value(it.key()).text, it.value().text) << it.key().toStdString();
    EXPECT_EQ(again.value(QStringLiteral("frmMain/centralwidget/lblPW:text")).text,
              QStringLiteral("Enter Password:"));
    EXPECT_EQ(again.value(QStringLiteral("frmMain/centralwidget/CmdEnc:name")).text,
              QStringLiteral("Encrypt"));
    EXPECT_EQ(again.value(QStringLiteral("frmEncFile/chkSealed:text")).text,
              QStringLiteral("Sealed"));
}

// The language is the first of the user's that is English or translated.
TEST(GermanWindows, TheUsersFirstLanguageThatIsEnglishOrTranslatedDecides) {
    const struct {
        QStringList languages;
        const char* chosen;
    } cases[] = {
        {{"de"}, "de"},        {{"de-AT", "de-Latn-AT"}, "de"},
        {{"fr", "de"}, "de"},  {{"en", "de"}, ""},
        {{"en-GB", "de"}, ""}, {{"C"}, ""},
        {{"fr", "it"}, ""},    {{}, ""},
    };
    for (const auto& c : cases) {
        const i18n::Translation translation(c.languages);
        EXPECT_EQ(translation.language(), QString::fromLatin1(c.chosen))
            << c.languages.join(QLatin1Char(':')).toStdString();
        EXPECT_EQ(QCoreApplication::translate("ui::frmMain", "Encrypt") != QLatin1String("Encrypt"),
                  *c.chosen != 0)
            << c.languages.join(QLatin1Char(':')).toStdString();
    }
    EXPECT_EQ(QCoreApplication::translate("ui::frmMain", "Encrypt"), QStringLiteral("Encrypt"));
}

} // namespace
