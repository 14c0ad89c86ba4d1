// The pipe calculator through its real widgets.
#include <QLineEdit>
#include <QRadioButton>

#include "app/workspace.h"
#include "calculators/pipe.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

class PipeTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    PipeCalculator *pipe = nullptr;

    void chooseUnit(const QString &unit) { click(*pipe, unit == "in." ? "optIn" : "optCm"); }

private slots:
    void init()
    {
        workspace = startProgram();
        pipe = &workspace->frmPipe();
        pipe->Show();
    }
    void cleanup() { endProgram(workspace, messages); }

    void volumes_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("litres");
        QTest::addColumn<QString>("gallons");
        dataRow("10 cm by 100 cm", "cm.", "10", "100", "7.85", "2.07397");
        dataRow("2 cm by 10 cm", "cm.", "2", "10", "0.0314", "0.00829588");
        dataRow("4 in by 100 in, inches as 2.5 cm", "in.", "4", "100", "19.625", "5.184925");
        dataRow("1 in by 1 in", "in.", "1", "1", "0.012265625", "0.003240578125");
        dataRow("no diameter", "cm.", "0", "100", "0", "0");
        dataRow("negative diameter as its size", "cm.", "-10", "100", "7.85", "2.07397");
        dataRow("negative length", "cm.", "10", "-100", "-7.85", "-2.07397");
        dataRow("blanks and a thousands separator", "cm.", " 10 ", "1,000", "78.5", "20.7397");
        // The C library's pow(0.00024, 2) is one unit in the last place above the rounded square.
        dataRow("squared radius rounded once", "cm.", "0.048", "4349.31524", "0.0078663455156736",
                "0.00207828848524096");
    }
    void volumes()
    {
        QFETCH(QString, unit);
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        chooseUnit(unit);
        typeInto(*pipe, "txtPipeD", diameter);
        typeInto(*pipe, "txtPipeL", length);
        click(*pipe, "cmdCalculate");
        QTEST(shown(*pipe, "txtVolumeL"), "litres");
        QTEST(shown(*pipe, "txtVolumeG"), "gallons");
        // A result longer than its box shows its first digits, not its last.
        for (const char *box : {"txtVolumeL", "txtVolumeG"})
            QCOMPARE(pipe->controlAs<QLineEdit>(box)->cursorPosition(), 0);
    }

    void refusedInputChangeNothing_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("message");
        const QString diameterMessage = "Please enter a value in the Pipe Diameter Box";
        const QString lengthMessage = "Please enter a value in the Pipe Length Box";
        dataRow("both empty: the diameter first", "", "", diameterMessage);
        dataRow("blank diameter", "   ", "10", diameterMessage);
        dataRow("trailing letters", "12abc", "10", diameterMessage);
        dataRow("empty length", "10", "", lengthMessage);
        dataRow("a lone separator", "10", ".", lengthMessage);
    }
    void refusedInputChangeNothing()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        QFETCH(QString, message);
        typeInto(*pipe, "txtPipeD", "10");
        typeInto(*pipe, "txtPipeL", "100");
        click(*pipe, "cmdCalculate");
        typeInto(*pipe, "txtPipeD", diameter);
        typeInto(*pipe, "txtPipeL", length);
        click(*pipe, "cmdCalculate");
        QCOMPARE(messages.take(), (QList<Message>{{message, "Error", 16}}));
        QCOMPARE(shown(*pipe, "txtVolumeL"), QString("7.85"));
        QCOMPARE(shown(*pipe, "txtVolumeG"), QString("2.07397"));
    }

    void overflowIsReportedAndResultsKept()
    {
        typeInto(*pipe, "txtPipeD", "10");
        typeInto(*pipe, "txtPipeL", "100");
        click(*pipe, "cmdCalculate");
        typeInto(*pipe, "txtPipeD", "1E+300");
        typeInto(*pipe, "txtPipeL", "1E+300");
        click(*pipe, "cmdCalculate");
        QCOMPARE(messages.take(), (QList<Message>{{"Floating-point error", "Corvane", 16}}));
        QCOMPARE(shown(*pipe, "txtVolumeL"), QString("7.85"));
        typeInto(*pipe, "txtPipeD", "1E+400");
        click(*pipe, "cmdCalculate");
        QCOMPARE(messages.take(), (QList<Message>{{"Overflow", "Corvane", 16}}));
        QCOMPARE(shown(*pipe, "txtVolumeG"), QString("2.07397"));
    }

    void clearAllKeepsTheUnit()
    {
        chooseUnit("in.");
        typeInto(*pipe, "txtPipeD", "4");
        typeInto(*pipe, "txtPipeL", "100");
        click(*pipe, "cmdCalculate");
        click(*pipe, "cmdClear");
        for (const char *box : {"txtPipeD", "txtPipeL", "txtVolumeL", "txtVolumeG"})
            QCOMPARE(shown(*pipe, box), QString());
        QCOMPARE(pipe->value("optIn"), -1);
        QCOMPARE(pipe->value("optCm"), 0);
    }

    void reopeningStartsAfresh()
    {
        chooseUnit("in.");
        typeInto(*pipe, "txtPipeD", "4");
        pipe->window()->close();
        QVERIFY(!pipe->isLoaded());
        settle();
        pipe->Show();
        QCOMPARE(shown(*pipe, "txtPipeD"), QString());
        QCOMPARE(pipe->value("optCm"), -1);
    }
};

QTEST_MAIN(PipeTest)
#include "test_pipe.moc"
