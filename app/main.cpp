// The entry routine: builds the main window and the splash, then only reacts to the user.
#include <QApplication>

#include "app/workspace.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setWindowIcon(corvane::applicationIcon());
    // The program ends when its own windows say so, not when the last visible one closes.
    QApplication::setQuitOnLastWindowClosed(false);
    corvane::Workspace workspace;
    workspace.start();
    return QApplication::exec();
}
