// The program really leaves its event loop once no window of it is left, and not before.
#include <QTimer>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "calculators/pipe.h"
#include "calculators/ratios.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

class ExitTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;

    // Runs the event loop until the program ends it, or reports 1 after five seconds.
    static int runUntilEnded()
    {
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        return QCoreApplication::exec();
    }

private slots:
    void cleanup()
    {
        CHECK_NO_MESSAGES(messages);
        settle();
    }

    void exitEndsTheProgram()
    {
        Workspace workspace;
        workspace.start();
        workspace.frmPipe().Show();
        QTimer::singleShot(0, [&] { workspace.mdiMain().itmExit_Click(); });
        QCOMPARE(runUntilEnded(), 0);
        QVERIFY(workspace.ended());
    }

    void closingTheLastWindowEndsTheProgram()
    {
        Workspace workspace;
        workspace.start();
        workspace.frmAboutRatios().Show();
        bool endedTooSoon = true;
        QTimer::singleShot(0, [&] {
            workspace.mdiMain().itmExit_Click();
            QCoreApplication::processEvents();
            endedTooSoon = workspace.ended();
            workspace.frmAboutRatios().window()->close();
        });
        QCOMPARE(runUntilEnded(), 0);
        QVERIFY(!endedTooSoon);
    }
};

QTEST_MAIN(ExitTest)
#include "test_exit.moc"
