// The entry routine: answers the command line, or builds the main window and the splash, then only reacts to
// the user.
#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <mutex>
#include <optional>
#include <vector>

#include "app/displayserver.h"
#include "app/language.h"
#include "app/workspace.h"

namespace {

// The toolkit's own options, as it documents them: it takes them off the command line as it starts. It reads
// a value after "=" for a few (-style=fusion); for the others it would pass over "-platform=xcb" in silence
// and start otherwise than asked, so that form is refused.
enum class Value { None, Spaced, SpacedOrJoined };
struct ToolkitOption {
    const char *name;
    Value value;
};
constexpr ToolkitOption kToolkitOptions[] = {{"platform", Value::Spaced},
                                             {"platformpluginpath", Value::Spaced},
                                             {"platformtheme", Value::Spaced},
                                             {"plugin", Value::Spaced},
                                             {"qmljsdebugger", Value::SpacedOrJoined},
                                             {"qwindowgeometry", Value::Spaced},
                                             {"qwindowicon", Value::Spaced},
                                             {"qwindowtitle", Value::Spaced},
                                             {"session", Value::Spaced},
                                             {"display", Value::Spaced},
                                             {"geometry", Value::Spaced},
                                             {"style", Value::SpacedOrJoined},
                                             {"stylesheet", Value::SpacedOrJoined},
                                             {"reverse", Value::None},
                                             {"widgetcount", Value::None}};

// The first argument that gives a toolkit option its value in a form the toolkit does not read; empty when none.
QString unreadOption(const QStringList &arguments)
{
    static const QRegularExpression joined(QStringLiteral("^--?([^=]+)="));
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        const QString name = joined.match(argument).captured(1);
        for (const ToolkitOption &option : kToolkitOptions)
            if (option.value == Value::Spaced && name == QLatin1String(option.name))
                return argument;
    }
    return {};
}

// Runs without a window system, so that --help and --version also answer on a console with no display.
// Returns the exit status: 0 for an answer, 2 for an argument the program does not take; nothing when the
// command line holds only the toolkit's options, and the program starts.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    // The core application takes some options (-qmljsdebugger) out of what it is given; the window system
    // needs them all, and the parse below sees them as given.
    QStringList given;
    for (int i = 0; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    std::vector<char *> arguments(argv, argv + argc + 1);
    QCoreApplication app(argc, arguments.data());
    QCoreApplication::setApplicationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    corvane::Translations translations;
    translations.install(corvane::userLanguages(), corvane::translationFolders());
    QCommandLineParser parser;
    // "-session" then reads as one option, as the toolkit reads it, rather than seven letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Calculators for small building projects.\n\nThe toolkit's own options (-platform, -display, "
                "-style, -session and the others that Qt documents) are taken too."));
    // Our own help option: the toolkit's would also offer --help-all, whose list of the toolkit's options
    // needs the window system that this parse runs without.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    for (const ToolkitOption &option : kToolkitOptions) {
        QCommandLineOption toolkit(QString::fromLatin1(option.name), QString(),
                                   option.value == Value::None ? QString() : QStringLiteral("value"));
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
    const bool parsed = parser.parse(given);
    // Printed here rather than by the parser's own show functions, which end the process from inside.
    const QString unread = unreadOption(given);
    if (parsed && parser.positionalArguments().isEmpty() && unread.isEmpty()) {
        if (parser.isSet(help)) {
            std::fputs(qPrintable(parser.helpText()), stdout);
            return 0;
        }
        if (parser.isSet(version)) {
            std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                        qPrintable(QCoreApplication::applicationVersion()));
            return 0;
        }
        if (!parser.optionNames().isEmpty())
            return std::nullopt;
    }
    // What is left is an unknown option, an option's stray value, a positional argument or a bare "--", which
    // ends the options without naming one.
    const QString error =
        !parsed ? parser.errorText()
                : QCoreApplication::translate("main", "Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().value(0, unread.isEmpty() ? given.value(1) : unread));
    std::fprintf(stderr, "corvane: %s %s\n", qPrintable(error.simplified()),
                 qPrintable(QCoreApplication::translate("main", "Try 'corvane --help'.")));
    return 2;
}

// Where the command line asks the toolkit to start (-platform, -display), as it reads the options: the last
// value given; empty when none is.
QString toolkitOptionValue(int argc, char *argv[], QLatin1String wanted)
{
    static const QRegularExpression dashes(QStringLiteral("^--?"));
    QString value;
    for (int i = 1; i + 1 < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]).remove(dashes);
        const auto option =
            std::find_if(std::begin(kToolkitOptions), std::end(kToolkitOptions),
                         [&name](const ToolkitOption &known) { return name == QLatin1String(known.name); });
        if (option == std::end(kToolkitOptions) || option->value == Value::None)
            continue;
        if (name == wanted)
            value = QString::fromLocal8Bit(argv[i + 1]);
        ++i;
    }
    return value;
}

// Kept before the toolkit takes its options off the command line, to tell why it could not start.
QString chosenPlatform, chosenDisplay;

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
// The toolkit's messages while it starts, in the order they came, from whichever thread said them.
std::mutex heldLock;
std::vector<HeldMessage> heldMessages;
bool holding = true;
// The handler the toolkit had before ours: its own, which prints.
QtMessageHandler toolkitHandler = nullptr;

// The held messages go out as the toolkit would have said them, and every message after them. Those that
// come meanwhile, from this thread (the toolkit's handler may say something) or another, are held and said
// in turn: the lock is never held while the toolkit's handler runs.
void stopHolding()
{
    for (std::vector<HeldMessage> said;; said.clear()) {
        {
            const std::lock_guard<std::mutex> guard(heldLock);
            said.swap(heldMessages);
            holding = !said.empty();
        }
        if (said.empty())
            return;
        for (const HeldMessage &held : said)
            toolkitHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()), held.text);
    }
}

// Said while the application is not yet whole, so from the user's translation itself.
QString translated(const char *text)
{
    QTranslator translation;
    corvane::loadTranslation(translation, corvane::userLanguages(), corvane::translationFolders());
    const QString said = translation.translate("main", text);
    return said.isEmpty() ? QString::fromUtf8(text) : said;
}

// With no display to reach, the toolkit ends the process from inside the application's constructor, with
// several lines that blame the installation: that is said in one line that tells the user what to set. Any
// other reason, a display that refuses the program among them, is the toolkit's to give, and it is passed on
// whole. Either way the program ends with status 1 rather than aborting.
[[noreturn]] void failToStart()
{
    if (!corvane::displayServerAnswers(chosenPlatform, chosenDisplay)) {
        std::fprintf(stderr, "corvane: %s\n",
                     qPrintable(translated(QT_TRANSLATE_NOOP(
                         "main", "no display could be opened. Set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a "
                                 "running display."))));
    } else {
        std::fprintf(stderr, "corvane: %s\n", qPrintable(translated(QT_TRANSLATE_NOOP("main", "could not start:"))));
        stopHolding();
    }
    std::_Exit(1);
}

// Which warning (QT_FATAL_WARNINGS) or critical message (QT_FATAL_CRITICALS) ends the program, as the toolkit
// reads the setting: unset, empty or 0, none; a number N (in C's notation: 0x10, 010), the Nth; anything else,
// the first. A negative number means none to the toolkit of Debian 12 and the first to Debian 13's.
int fatalAt(const char *setting)
{
    const QByteArray value = qgetenv(setting);
    if (value.isEmpty())
        return 0;
    bool number = false;
    const int nth = value.toInt(&number, 0);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return number && nth >= 0 ? nth : 1;
#else
    return number ? std::max(nth, 0) : 1;
#endif
}

// The toolkit ends the program as soon as that message is handled, so it goes out at once, as it would
// without this handler. Counted as the toolkit counts, under the lock, each kind on its own.
bool endsTheProgram(QtMsgType type)
{
    static const int warningAt = fatalAt("QT_FATAL_WARNINGS"), criticalAt = fatalAt("QT_FATAL_CRITICALS");
    static int warnings = 0, criticals = 0;
    if (type == QtWarningMsg)
        return ++warnings == warningAt;
    return type == QtCriticalMsg && ++criticals == criticalAt;
}

// While the toolkit starts, its messages are held, to be said as they were once it has started, or to tell
// why it could not.
void holdWhileStarting(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    std::unique_lock<std::mutex> guard(heldLock);
    if (!holding) {
        guard.unlock();
        return toolkitHandler(type, context, text);
    }
    heldMessages.push_back({type, context.category, text});
    const bool ending = endsTheProgram(type);
    guard.unlock();
    if (type == QtFatalMsg)
        failToStart();
    if (ending)
        stopHolding();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1)
        if (const std::optional<int> status = answerCommandLine(argc, argv))
            return *status;
    chosenPlatform = toolkitOptionValue(argc, argv, QLatin1String("platform"));
    chosenDisplay = toolkitOptionValue(argc, argv, QLatin1String("display"));
    toolkitHandler = qInstallMessageHandler(holdWhileStarting);
    QApplication app(argc, argv);
    stopHolding();
    qInstallMessageHandler(toolkitHandler);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    corvane::Translations translations;
    translations.install(corvane::userLanguages(), corvane::translationFolders());
    // Ties every window to the launcher org.corvane.Corvane.desktop: on Wayland it becomes the window's
    // application id, so the task bar and the overview show the launcher's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.Corvane"));
    QApplication::setWindowIcon(corvane::applicationIcon());
    // The program ends when its own windows say so, not when the last visible one closes.
    QApplication::setQuitOnLastWindowClosed(false);
    corvane::Workspace workspace;
    workspace.start();
    return QApplication::exec();
}
