// The regional settings come from the system each time a number is read or shown. CTest runs
// this program once in the C locale, which has none (the United States settings stand in), and
// once in a German one, which writes 1.000,5; and in Spanish with either way of writing numbers,
// which the numbers' own setting chooses whatever the language's region writes.
#include <QLocale>

#include "app/language.h"
#include "app/workspace.h"
#include "calculators/pipe.h"
#include "numbers/text.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

class RegionalTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    Translations translations;

    static bool german() { return (qgetenv("LC_ALL") + qgetenv("LC_NUMERIC")).startsWith("de_DE"); }
    static bool spanish() { return qgetenv("LANGUAGE") == "es"; }

private slots:
    void initTestCase() { translations.install(userLanguages(), {builtTranslations()}); }
    void cleanup() { CHECK_NO_MESSAGES(messages); }

    void separatorsFollowTheSystem()
    {
        const Regional regional = SystemRegional();
        QCOMPARE(QChar(regional.decimal), german() ? QChar(',') : QChar('.'));
        QCOMPARE(QChar(regional.thousands), german() ? QChar('.') : QChar(','));
        QCOMPARE(QString::fromStdU16String(regional.currency), german() ? QString("€") : QString("$"));
    }

    void conversionsUseThem()
    {
        QCOMPARE(TextToDouble(german() ? "1.000,5" : "1,000.5"), 1000.5);
        QCOMPARE(MoneyToText(TextToMoney(german() ? "€ 3,25" : "$3.25")), german() ? QString("3,25") : QString("3.25"));
        QCOMPARE(DoubleToText(0.1 + 0.2), german() ? QString("0,3") : QString("0.3"));
        QVERIFY(!IsNumericText(german() ? "1,000.5" : "1.000,5"));
    }

    void aCalculatorReadsAndShowsThem()
    {
        Workspace workspace;
        workspace.setOnEnd({});
        workspace.start();
        PipeCalculator &pipe = workspace.frmPipe();
        pipe.Show();
        typeInto(pipe, "txtPipeD", german() ? "2,5" : "2.5");
        typeInto(pipe, "txtPipeL", german() ? "1.000" : "1,000");
        QCOMPARE(shown(pipe, "cmdCalculate"), spanish() ? QString("Calcular") : QString("Calculate"));
        click(pipe, "cmdCalculate");
        QCOMPARE(shown(pipe, "txtVolumeL"), german() ? QString("4,90625") : QString("4.90625"));
    }
};

QTEST_MAIN(RegionalTest)
#include "test_regional.moc"
