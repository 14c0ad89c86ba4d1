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
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>

#include "app/language.h"
#include "app/mainwindow.h"
#include "app/workspace.h"
#include "support/testsupport.h"
#include "ui/builder.h"
#include "ui/look.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// The ink that one picture has over another of the same size: the tight box of the pixels that
// differ by at least half the most that any differs, whatever the contrast. A letter's edges lie
// on whole rows of pixels wherever the letter is placed, so its height is the same in any place.
QRect inkBetween(const QImage &a, const QImage &b)
{
    std::map<int, QRect, std::greater<>> differing; // by how much
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing[qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)))] |= QRect(x, y, 1, 1);
    QRect box;
    for (const auto &[by, pixels] : differing)
        box |= by > 0 && 2 * by >= differing.begin()->first ? pixels : QRect();
    return box;
}

// The ink of a button's, box's or option's caption as painted (what painting it adds to the
// control), and of the same text painted alone in the same type and colour on the same ground.
std::pair<QSize, QSize> captionInk(QAbstractButton *button)
{
    const QImage painted = button->grab().toImage();
    const QString caption = button->text();
    button->setText({});
    const QImage bare = button->grab().toImage();
    button->setText(caption);
    QImage ground(button->fontMetrics().boundingRect(caption).size() + QSize(20, 20), QImage::Format_RGB32);
    ground.fill(bare.pixel(bare.rect().center()));
    QImage alone = ground;
    QPainter painter(&alone);
    painter.setFont(button->font());
    painter.setPen(button->palette().color(button->foregroundRole()));
    painter.drawText(QPoint(10, 10 + button->fontMetrics().ascent()), caption);
    painter.end();
    return {inkBetween(painted, bare).size(), inkBetween(alone, ground).size()};
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
        // Every letter whole: the caption's ink as high as the text's own, and as wide but for the
        // pixel that its placement between pixels may add or take.
        const auto [painted, whole] = captionInk(button);
        const auto px = [](QSize s) { return QStringLiteral("%1 x %2 px").arg(s.width()).arg(s.height()); };
        if (painted.height() < whole.height() || painted.width() < whole.width() - 1)
            return "painted " + px(painted) + " of its " + px(whole);
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

// A window's table, as its builder reads it.
struct TableOf : Form {
    static const FormLayout &of(const Form &form) { return (form.*&TableOf::layout)(); }
};

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
        const FormLayout &table = TableOf::of(*form);
        for (const ControlSpec &spec : table.controls) {
            auto *w = form->view()->findChild<QWidget *>(spec.name, Qt::FindDirectChildrenOnly);
            if (!w)
                continue; // a timer
            QString why = clipped(w);
            // No caption is set smaller than its table says to make it fit: one that does not fit is worded shorter.
            if (w->font().pixelSize() < fontFor(spec.font.value_or(table.font)).pixelSize())
                why = QStringLiteral("set in %1 px type").arg(w->font().pixelSize());
            if (!why.isEmpty())
                problems << QStringLiteral("%1 %2 \"%3\": %4").arg(language, spec.name, form->text(spec.name), why);
            // A rule may run past the edge, as the tables draw some; a control lies wholly inside.
            const QRect at = w->geometry();
            if (!w->isHidden() && !(spec.kind == Kind::Line ? client.intersects(at) : client.contains(at)))
                problems << QStringLiteral("%1 lies outside the window").arg(spec.name);
        }
        messages.take(); // a window's own start-up is not under test here
        return textsOf(form->window());
    }

private slots:
    void cleanupTestCase() { translations.remove(); }
    void cleanup() { QApplication::setStyle(QStringLiteral("Fusion")); }

    // A caption too wide for its table's type is set smaller, to 10 pixels (7.5 points) at the least:
    // one that would fit only smaller is left as it is, to be worded shorter, and counts as clipped.
    void aCaptionShrinksToTenPixelsAtTheLeast()
    {
        for (const int fitsAt : {10, 9}) {
            const QString caption = "Add Cement to Price List";
            QFont font = fontFor({});
            font.setPixelSize(fitsAt);
            const int width = QFontMetrics(font).tightBoundingRect(caption).width() * kTwipsPerPixel;
            QWidget view;
            buildControls({.name = "frmTest", .controls = {Label("lblTest", caption, {0, 0, width, 255})}}, &view);
            auto *label = view.findChild<QLabel *>("lblTest");
            QCOMPARE(label->font().pixelSize(), 10);
            QCOMPARE(clipped(label).isEmpty(), fitsAt == 10);
        }
    }

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
