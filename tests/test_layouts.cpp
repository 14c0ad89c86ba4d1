// Every window of the program, built for real: no caption is clipped by its control and no
// control lies outside its window. A caption that does not fit is unreadable for the user.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// Room a push button's frame takes on each side.
constexpr int kButtonMargin = 2;

QString clipped(QWidget *w)
{
    const QFontMetrics metrics(w->font());
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().isEmpty() || label->pixmap().isNull() == false)
            return {};
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            return needed > label->height()
                       ? QStringLiteral("needs %1 px of height, has %2").arg(needed).arg(label->height())
                       : QString();
        }
        // The ink must fit; the advance may overhang by its side bearings without cutting a glyph.
        const int needed = metrics.tightBoundingRect(label->text()).width();
        if (needed > label->width())
            return QStringLiteral("needs %1 px of width, has %2").arg(needed).arg(label->width());
        if (metrics.height() > label->height() + 2)
            return QStringLiteral("text %1 px high in %2").arg(metrics.height()).arg(label->height());
        return {};
    }
    if (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w)) {
        const int needed = w->sizeHint().width();
        return needed > w->width() ? QStringLiteral("needs %1 px of width, has %2").arg(needed).arg(w->width())
                                   : QString();
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        const int needed = metrics.horizontalAdvance(button->text()) + 2 * kButtonMargin;
        return needed > button->width()
                   ? QStringLiteral("needs %1 px of width, has %2").arg(needed).arg(button->width())
                   : QString();
    }
    return {};
}

} // namespace

class LayoutsTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;

private slots:
    void everyCaptionFitsItsControl_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString &name : Workspace::windowNames())
            if (name != "mdiMain")
                QTest::newRow(qPrintable(name)) << name;
    }
    void everyCaptionFitsItsControl()
    {
        QFETCH(QString, window);
        Workspace workspace;
        workspace.setOnEnd({});
        workspace.mdiMain().Load();
        Form *form = workspace.formNamed(window);
        form->Load();
        QVERIFY(form->isLoaded());
        QStringList problems;
        const QRect client = form->view()->rect();
        for (QWidget *w : form->view()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (const QString why = clipped(w); !why.isEmpty())
                problems << QStringLiteral("%1 \"%2\": %3").arg(w->objectName(), form->text(w->objectName()), why);
            if (!client.contains(w->geometry()) && !client.intersects(w->geometry()))
                problems << QStringLiteral("%1 lies outside the window").arg(w->objectName());
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
        messages.take(); // loading may show nothing, but a window's own start-up is not under test here
    }
};

QTEST_MAIN(LayoutsTest)
#include "test_layouts.moc"
