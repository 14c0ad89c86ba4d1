// The entry routine: answers the command line, or builds the main window and the splash, then only reacts to
// the user.
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

#include "app/language.h"
#include "app/workspace.h"

namespace {

// Runs without a window system, so that --help and --version also answer on a console with no display.
// Returns the exit status: 0 for an answer, 2 for an argument the program does not take.
int answerCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    corvane::Translations translations;
    translations.install(corvane::userLanguages(), corvane::translationFolders());
    QCommandLineParser parser;
    // "-platform" then reads as one unknown option rather than eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate("main", "Calculators for small building projects."));
    // Our own help option: the toolkit's would also offer --help-all, which lists window-system options
    // that this program refuses.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
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

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1)
        return answerCommandLine(argc, argv);
    QApplication app(argc, argv);
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
