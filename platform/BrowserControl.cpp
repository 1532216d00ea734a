#include "platform/BrowserControl.h"

#include <QList>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

BrowserControl::BrowserControl(QWidget* parent) : QWidget(parent) {}

BrowserControl::~BrowserControl() = default;

QUrl BrowserControl::addressToUrl(const QString& address) {
    return QUrl::fromUserInput(address.trimmed());
}

namespace {

// Where no web engine is linked in: a blank page that keeps the addresses it
// was sent to as its history, so that the viewer around it still behaves.
class BlankBrowserControl final : public BrowserControl {
public:
    explicit BlankBrowserControl(QWidget* parent) : BrowserControl(parent) {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        setPalette(pal);
    }

    void navigate(const QString& address) override {
        const QUrl url = addressToUrl(address);
        if (!url.isValid())
            return;
        m_history = m_history.mid(0, m_current + 1);
        m_history.append(url.toString());
        arrive(m_history.size() - 1);
    }
    void goBack() override {
        if (m_current > 0)
            arrive(m_current - 1);
    }
    void goForward() override {
        if (m_current + 1 < m_history.size())
            arrive(m_current + 1);
    }
    void goHome() override { navigate(homePage()); }
    void refresh() override {
        if (m_current >= 0)
            arrive(m_current);
    }
    void stop() override {}

    QString locationName() const override { return locationURL(); }
    QString locationURL() const override {
        return m_current >= 0 ? m_history[m_current] : QString();
    }
    bool busy() const override { return false; }

private:
    void arrive(qsizetype index) {
        m_current = index;
        emit navigateComplete2(locationURL());
        emit downloadComplete();
    }

    QList<QString> m_history;
    qsizetype m_current = -1;
};

} // namespace

std::optional<QString> browserProblem() {
    const BrowserCheck problem = services().browser.problem;
    return problem ? problem() : std::nullopt;
}

namespace {

// The variable's words as the engine splits them: at spaces, where a double
// quote starts or ends a run that keeps its spaces, the quotes dropped.
QStringList splitFlags(const QString& flags) {
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : flags) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c == QLatin1Char(' ') && !quoted) {
            if (inWord && !word.isEmpty())
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

} // namespace

QStringList webEngineArguments(const QStringList& programArguments,
                               const std::optional<QString>& chromiumFlags) {
    if (chromiumFlags)
        return splitFlags(*chromiumFlags);
    // The first "--webEngineArgs", in any case, as the engine finds it.
    for (qsizetype i = 1; i < programArguments.size(); ++i) {
        if (programArguments[i].compare(QLatin1String("--webEngineArgs"), Qt::CaseInsensitive) == 0)
            return programArguments.mid(i + 1);
    }
    return {};
}

bool webEngineSandboxOff(const QStringList& engineArguments, bool disableSandboxSet) {
    if (disableSandboxSet)
        return true;
    // A switch begins with "--" or "-" and may carry "=value"; a lone "--"
    // ends the switches.
    for (const QString& argument : engineArguments) {
        if (argument == QLatin1String("--"))
            break;
        QStringView name(argument);
        if (!name.startsWith(QLatin1Char('-')))
            continue;
        name = name.sliced(name.startsWith(QLatin1String("--")) ? 2 : 1);
        if (name.left(name.indexOf(QLatin1Char('='))) == QLatin1String("no-sandbox"))
            return true;
    }
    return false;
}

BrowserControl* createBrowserControl(QWidget* parent) {
    const BrowserControlFactory make = services().browser.make;
    return make ? make(parent) : new BlankBrowserControl(parent);
}

} // namespace platform
