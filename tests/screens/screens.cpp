// Pictures of the program's windows for people to look at: starts the program as usual, shows
// the windows named on the command line, and saves the whole main window (and any top-level
// window) as PNG files. Run it under xvfb-run for real window decorations.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include "app/language.h"
#include "app/mainwindow.h"
#include "app/workspace.h"
#include "ui/prompts.h"

using namespace corvane;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        qWarning("usage: corvane_screens OUTPUT_DIR [WINDOW ...]");
        return 2;
    }
    // The windows speak the environment's language, as the program's do; the build keeps the
    // translations one folder up.
    Translations translations;
    translations.install(userLanguages(),
                         {QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("../translations"))});
    const QString out = args.at(1);
    QDir().mkpath(out);
    // A file the program offers to save goes into the output folder under the name it proposes.
    SetSaveFilePrompt([&](const QString &, const QString &proposed, const QString &) {
        return out + proposed.mid(proposed.lastIndexOf('/'));
    });
    Workspace workspace;
    workspace.setOnEnd({});
    workspace.start();
    QStringList steps;
    for (const QString &name : args.mid(2)) {
        if (name.contains(QLatin1Char('.'))) {
            steps << name;
            continue;
        }
        if (Form *form = workspace.formNamed(name))
            form->Show();
        else
            qWarning("no window named %s", qPrintable(name));
    }
    // After the windows: WINDOW.CONTROL=TEXT types into a control, WINDOW.CONTROL! clicks it, in
    // the order given (an action of the window too), so that a picture can show a window with its results.
    for (const QString &step : steps) {
        const qsizetype dot = step.indexOf(QLatin1Char('.'));
        Form *form = workspace.formNamed(step.left(dot));
        const QString rest = step.mid(dot + 1);
        if (!form) {
            qWarning("no window named %s", qPrintable(step.left(dot)));
            continue;
        }
        RunHandler([&] {
            if (auto *action = form->view() ? form->view()->findChild<QAction *>(rest.chopped(1)) : nullptr)
                action->trigger();
            else if (rest.endsWith(QLatin1Char('!')))
                form->controlAs<QAbstractButton>(rest.chopped(1))->click();
            else
                form->setText(rest.section(QLatin1Char('='), 0, 0), rest.section(QLatin1Char('='), 1));
        });
    }
    QTimer::singleShot(700, [&] {
        QApplication::primaryScreen()->grabWindow(0).save(out + "/screen.png");
        workspace.mdiMain().window()->grab().save(out + "/mdiMain.png");
        QApplication::quit();
    });
    return QApplication::exec();
}
