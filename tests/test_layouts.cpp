// Every window of the program, built for real in English and in Spanish, under the toolkit's own
// style and under a dark one whose larger boxes leave their captions less room: no caption is
// clipped by its control, across or top to bottom, no control lies outside its window, and no
// English is left in Spanish.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>

#include "app/language.h"
#include "app/mainwindow.h"
#include "app/workspace.h"
#include "support/testsupport.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// The room a button's or box's caption has, as the style draws it: beside the box, inside the frame.
QSize captionRoom(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(contents, &option, button).size();
}

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
    if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty()) {
        // Every letter whole: as wide as it runs, as high as the font's tallest and deepest letters.
        const QSize needed(metrics.horizontalAdvance(button->text()), metrics.ascent() + metrics.descent());
        const QSize room = captionRoom(button);
        const auto px = [](QSize s) { return QStringLiteral("%1 x %2 px").arg(s.width()).arg(s.height()); };
        return needed.boundedTo(room) != needed ? "needs " + px(needed) + ", has " + px(room) : QString();
    }
    return {};
}

// Every text a window shows or says, by the control and what it is.
QMap<QString, QString> textsOf(QWidget *window)
{
    QMap<QString, QString> texts;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets << window) {
        const QString at = w->objectName() + QLatin1Char(' ');
        texts[at + "title"] = w->windowTitle();
        texts[at + "name"] = w->accessibleName();
        texts[at + "tip"] = w->toolTip();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts[at + "caption"] = label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts[at + "caption"] = button->text();
    }
    for (QAction *action : window->findChildren<QAction *>())
        texts[action->objectName() + " action " + action->text()] = action->text();
    return texts;
}

// Words that Spanish writes as English does.
bool sameInBothLanguages(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    static const QStringList shared{"Corvane", "Total", "Error", "X", "x", "USA", "Block", "blocks"};
    for (const auto &match : word.globalMatch(text))
        if (!shared.contains(match.captured()))
            return false;
    return true;
}

} // namespace

class LayoutsTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    Translations translations;

    // Builds the window in the language, with every caption checked; returns its texts.
    QMap<QString, QString> build(const QString &window, const QString &language, QStringList &problems)
    {
        if (translations.install({language}, {builtTranslations()}).isEmpty() == (language == "es"))
            problems << "no translation for " + language;
        Workspace workspace;
        workspace.setOnEnd({});
        workspace.mdiMain().Load();
        Form *form = workspace.formNamed(window);
        form->Load();
        const QRect client = form->view()->rect();
        for (QWidget *w : form->view()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (const QString why = clipped(w); !why.isEmpty())
                problems << QStringLiteral("%1 %2 \"%3\": %4")
                                .arg(language, w->objectName(), form->text(w->objectName()), why);
            if (!w->isHidden() && !client.contains(w->geometry()) && !client.intersects(w->geometry()))
                problems << QStringLiteral("%1 lies outside the window").arg(w->objectName());
        }
        messages.take(); // a window's own start-up is not under test here
        return textsOf(form->window());
    }

private slots:
    void cleanupTestCase() { translations.remove(); }
    void cleanup() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void everyCaptionFitsAndIsTranslated_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("style");
        for (const QString style : {"Fusion", "Adwaita-Dark"})
            for (const QString &name : Workspace::windowNames())
                QTest::newRow(qPrintable(name + " " + style)) << name << style;
    }
    void everyCaptionFitsAndIsTranslated()
    {
        QFETCH(QString, window);
        QFETCH(QString, style);
        if (!QApplication::setStyle(style))
            QSKIP("This style is not installed (Debian's adwaita-qt6)");
        QStringList problems;
        const QMap<QString, QString> english = build(window, "en", problems);
        const QMap<QString, QString> spanish = build(window, "es", problems);
        for (auto text = english.begin(); text != english.end(); ++text)
            if (spanish.value(text.key()) == text.value() && !sameInBothLanguages(text.value()))
                problems << QStringLiteral("%1 is still \"%2\" in Spanish").arg(text.key(), text.value());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }
};

QTEST_MAIN(LayoutsTest)
#include "test_layouts.moc"
