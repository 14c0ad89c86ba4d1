// The mix-ratio dialog: opened from the concrete calculator, one at a time, closed by OK, Enter,
// Esc or its close box, and its ratio text.
#include <QDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

#include "app/workspace.h"
#include "calculators/concrete.h"
#include "calculators/ratios.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

int openDialogs()
{
    int open = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmAboutRatios" && w->isVisible())
            ++open;
    return open;
}

struct InkRow {
    int top, bottom, left;
};

// The rows of a picture that hold dark text, each with its leftmost dark pixel.
QList<InkRow> inkRows(const QImage &image)
{
    QList<InkRow> rows;
    bool inRow = false;
    for (int y = 0; y < image.height(); ++y) {
        int left = -1;
        for (int x = 0; x < image.width() && left < 0; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                left = x;
        if (left >= 0 && !inRow)
            rows.append({y, y, left});
        if (left >= 0) {
            rows.last().bottom = y;
            rows.last().left = std::min(rows.last().left, left);
        }
        inRow = left >= 0;
    }
    return rows;
}

} // namespace

class RatiosTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Workspace> workspace;
    ConcreteCalculator *concrete = nullptr;
    RatiosDialog *ratios = nullptr;

    void open()
    {
        click(*concrete, "cmdRatios");
        QVERIFY(ratios->isLoaded());
        QVERIFY(ratios->isVisible());
    }

private slots:
    void init()
    {
        workspace = startProgram();
        concrete = &workspace->frmConcrete();
        concrete->Show();
        ratios = &workspace->frmAboutRatios();
    }
    void cleanup() { endProgram(workspace, messages); }

    void opensBesideTheCalculatorWithoutHoldingItUp()
    {
        QVERIFY(!ratios->isLoaded());
        open();
        QWidget *window = ratios->window();
        QCOMPARE(window, ratios->view());
        QVERIFY(window->isWindow());
        QVERIFY(!window->parentWidget());
        QVERIFY(!qobject_cast<QMdiSubWindow *>(window));
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QString("Ratios"));
        QCOMPARE(window->accessibleName(), QString("Ratios"));
        QCOMPARE(window->pos(), QPoint(156, 129)); // 2340, 1935 twips
        QCOMPARE(ratios->view()->size(), QSize(382, 208));

        typeInto(*concrete, "txtPadWidth", "5");
        typeInto(*concrete, "txtPadLength", "10");
        typeInto(*concrete, "txtPadThickness", "10");
        click(*concrete, "cmdCalculate");
        QCOMPARE(shown(*concrete, "txtCement"), QString("35.5"));
        QVERIFY(ratios->isVisible());
    }

    void aSecondClickShowsTheSameDialog()
    {
        open();
        QPointer<QWidget> first = ratios->view();
        first->lower();
        click(*concrete, "cmdRatios");
        settle();
        QCOMPARE(ratios->view(), first.data());
        QCOMPARE(openDialogs(), 1);
    }

    void closes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "OK";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("Enter on the keypad") << "keypad Enter";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("Esc while OK has the focus") << "Esc on OK";
        QTest::newRow("close box") << "close box";
    }
    void closes()
    {
        QFETCH(QString, how);
        open();
        QPointer<QWidget> dialog = ratios->view();
        auto *ok = ratios->controlAs<QPushButton>("cmdOK");
        QVERIFY(ok->isDefault());
        if (how == "OK")
            click(*ratios, "cmdOK");
        else if (how == "Enter")
            QTest::keyClick(dialog, Qt::Key_Return);
        else if (how == "keypad Enter")
            QTest::keyClick(dialog, Qt::Key_Enter, Qt::KeypadModifier);
        else if (how == "Esc")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (how == "Esc on OK")
            QTest::keyClick(ok, Qt::Key_Escape);
        else
            dialog->close();
        QVERIFY(!ratios->isLoaded());
        settle();
        QVERIFY(dialog.isNull());
        QCOMPARE(openDialogs(), 0);
        QVERIFY(concrete->isLoaded());

        // Created and loaded afresh the next time.
        open();
        QVERIFY(ratios->view() != nullptr);
        QCOMPARE(shown(*ratios, "lblDescription").simplified(),
                 QString("Country Ratios: USA = 1 Cement x 2 Sand x 4 Gravel DR = 1 Cement x 3 Sand x 3 Gravel"));
    }

    void theRatioTextKeepsEveryBlank()
    {
        const QString text = QString("Country Ratios:") + QString(22, ' ') + QString(21, ' ') +
                             "USA = 1 Cement x 2 Sand x 4 Gravel" + QString(13, ' ') +
                             "DR  =  1 Cement x 3 Sand x 3 Gravel";
        QCOMPARE(RatiosDialog::ratioText(), text);
        QCOMPARE(text.size(), 140);
        QCOMPARE(RatiosDialog::ratioLines(),
                 QString("Country Ratios:\nUSA = 1 Cement x 2 Sand x 4 Gravel\nDR  =  1 Cement x 3 Sand x 3 Gravel"));
        open();
        const QString description = shown(*ratios, "lblDescription");
        QVERIFY2(description == RatiosDialog::ratioText() || description == RatiosDialog::ratioLines(),
                 qPrintable(description));
    }

    // Whichever way the text is set, the label shows the heading and each ratio on a row of its
    // own, each starting at the label's left edge.
    void theRatiosStandOnThreeLinesOfTheirOwn()
    {
        open();
        auto *description = ratios->controlAs<QLabel>("lblDescription");
        const QList<InkRow> rows = inkRows(description->grab().toImage());
        QCOMPARE(rows.size(), 3);
        for (const InkRow &row : rows) {
            QVERIFY2(row.left <= 2, qPrintable(QString::number(row.left)));
            QVERIFY(row.bottom < description->height() - 1);
        }
    }

    void everyControlIsNamed()
    {
        open();
        const QList<QWidget *> controls = ratios->view()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QStringList names;
        for (QWidget *w : controls)
            names << w->objectName();
        names.sort();
        QCOMPARE(names, (QStringList{"Line1(0)", "Line1(1)", "Picture1", "cmdOK", "lblDescription", "lblTitle",
                                     "lblVersion"}));
        QCOMPARE(shown(*ratios, "lblTitle"), QString("Corvane"));
        QCOMPARE(shown(*ratios, "lblVersion"), QString("Version: " CORVANE_VERSION));
        QCOMPARE(ratios->controlAs<QLabel>("Picture1")->pixmap().size(), QSize(45, 45));
        QCOMPARE(ratios->view()->focusWidget(), ratios->control("cmdOK"));
    }
};

QTEST_MAIN(RatiosTest)
#include "test_ratios.moc"
