// The entry routine: answers the command line, or builds the main window and the splash, then only reacts to
// the user.
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "app/language.h"
#include "app/workspace.h"

namespace {

// The toolkit's own options, as it documents them: it takes them off the command line as it starts.
struct ToolkitOption {
    const char *name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true},    {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},      {"qmljsdebugger", true},      {"qwindowgeometry", true},
    {"qwindowicon", true}, {"qwindowtitle", true},       {"session", true},
    {"display", true},     {"geometry", true},           {"style", true},
    {"stylesheet", true},  {"reverse", false},           {"widgetcount", false}};

// Runs without a window system, so that --help and --version also answer on a console with no display.
// Returns the exit status: 0 for an answer, 2 for an argument the program does not take; nothing when the
// command line holds only the toolkit's options, and the program starts.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    // The core application takes some options out of what it is given; the window system needs them all.
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
                                   option.takesValue ? QStringLiteral("value") : QString());
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
    const bool parsed = parser.parse(QCoreApplication::arguments());
    // Printed here rather than by the parser's own show functions, which end the process from inside.
    if (parsed && parser.positionalArguments().isEmpty()) {
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
    const QString error = !parsed
                              ? parser.errorText()
                              : QCoreApplication::translate("main", "Unexpected argument '%1'.")
                                    .arg(parser.positionalArguments().value(0, QCoreApplication::arguments().value(1)));
    std::fprintf(stderr, "corvane: %s %s\n", qPrintable(error.simplified()),
                 qPrintable(QCoreApplication::translate("main", "Try 'corvane --help'.")));
    return 2;
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

// With no display to open, the toolkit ends the process from inside the application's constructor, with
// several lines that blame the installation. While it starts, its messages are held: a fatal one is said in
// one line that tells the user what to set, and the program ends with status 1 instead of aborting.
void holdWhileStarting(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Said while the application is not yet whole, so from the user's translation itself.
        const char *const noDisplay =
            QT_TRANSLATE_NOOP("main", "no display could be opened. Set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) "
                                      "to a running display, or start it with -platform offscreen.");
        QTranslator translation;
        corvane::loadTranslation(translation, corvane::userLanguages(), corvane::translationFolders());
        const QString said = translation.translate("main", noDisplay);
        std::fprintf(stderr, "corvane: %s\n", qPrintable(said.isEmpty() ? QString::fromUtf8(noDisplay) : said));
        std::_Exit(1);
    }
    heldMessages.push_back({type, context.category, text});
}

// The messages of a start that succeeded go out as they would have.
void releaseHeldMessages(QtMessageHandler handler)
{
    qInstallMessageHandler(handler);
    for (const HeldMessage &held : std::exchange(heldMessages, {}))
        qt_message_output(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()), held.text);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1)
        if (const std::optional<int> status = answerCommandLine(argc, argv))
            return *status;
    const QtMessageHandler handler = qInstallMessageHandler(holdWhileStarting);
    QApplication app(argc, argv);
    releaseHeldMessages(handler);
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
