// Every window as a screen reader finds it: the accessibility tree is walked from the outer
// window down through its children, and each node must be named, carry the role its kind of
// control calls for, describe what an input or a button takes or does, and, for the boxes only
// the handlers write, be read-only; a box is labelled by its caption; captions stand out in any theme.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#if QT_VERSION < QT_VERSION_CHECK(6, 10, 0)
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "calculators/concrete.h"
#include "support/testsupport.h"
#include "ui/form.h"
#include "ui/hearing.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

struct Node {
    QAccessibleInterface *iface;
    QString path; // for messages: the names from the window down
};

QString describe(QAccessibleInterface *iface)
{
    QObject *object = iface->object();
    const QString name = object ? object->objectName() : QString();
    return name.isEmpty() ? (object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?"))
                          : name;
}

void walk(QAccessibleInterface *iface, const QString &path, QList<Node> &nodes, QStringList &problems)
{
    if (path.count(QLatin1Char('/')) > 12) {
        problems << path + ": the tree is deeper than any window of the program";
        return;
    }
    nodes << Node{iface, path};
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child || !child->isValid()) {
            problems << QStringLiteral("%1: child %2 has no valid interface").arg(path).arg(i);
            continue;
        }
        if (child->parent() == nullptr || child->parent()->object() != iface->object())
            problems << QStringLiteral("%1/%2: does not lead back to its parent").arg(path, describe(child));
        walk(child, path + QLatin1Char('/') + describe(child), nodes, problems);
    }
}

// The kind of a control by the prefix of its name, as the program's naming convention gives it.
std::optional<QAccessible::Role> roleByName(const QString &name)
{
    static const std::pair<QString, QAccessible::Role> kPrefixes[] = {
        {"cmd", QAccessible::Button},       {"Command", QAccessible::Button}, {"txt", QAccessible::EditableText},
        {"opt", QAccessible::RadioButton},  {"chk", QAccessible::CheckBox},   {"lbl", QAccessible::StaticText},
        {"Label", QAccessible::StaticText}, {"Line", QAccessible::Separator}, {"img", QAccessible::Graphic},
        {"Picture", QAccessible::Graphic},  {"mnu", QAccessible::PopupMenu},  {"itmLine", QAccessible::Separator},
        {"itm", QAccessible::MenuItem},     {"mdiArea", QAccessible::Client},
    };
    for (const auto &[prefix, role] : kPrefixes)
        if (name.startsWith(prefix))
            return role;
    return std::nullopt;
}

// Nodes that carry no name of the program's own: the outer frames and the menu bar's titles.
std::optional<QAccessible::Role> roleByClass(QObject *object)
{
    if (qobject_cast<QMdiSubWindow *>(object))
        return QAccessible::Window;
    if (qobject_cast<QMenuBar *>(object))
        return QAccessible::MenuBar;
    if (qobject_cast<QAction *>(object))
        return QAccessible::MenuItem; // a title in the menu bar
    if (dynamic_cast<Announcer *>(object))
        return QAccessible::Notification;
    return std::nullopt;
}

QString roleName(QAccessible::Role role)
{
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

bool isInput(QAccessible::Role role)
{
    return role == QAccessible::Button || role == QAccessible::EditableText || role == QAccessible::RadioButton ||
           role == QAccessible::CheckBox;
}

// A box whose label names a unit is described with that unit, so that a person who hears the
// description knows what to type.
const std::pair<QRegularExpression, QString> kUnits[] = {
    {QRegularExpression("Meters"), "metres"}, {QRegularExpression("\\(cm\\.?\\)"), "centimetres"},
    {QRegularExpression("Feet"), "feet"},     {QRegularExpression("Inches"), "inches"},
    {QRegularExpression("Price"), "dollars"},
};

// The contrast ratio of the Web Content Accessibility Guidelines.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// What a screen reader is given to say, as the toolkit passes it on: the announcement itself
// (Qt 6.8), else the text showing in a notification as it comes into view.
QStringList said;

void listen(QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        said << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#endif
    QAccessibleInterface *shown = event->type() == QAccessible::ObjectShow ? event->accessibleInterface() : nullptr;
    if (shown && shown->role() == QAccessible::Notification && shown->childCount() > 0)
        said << shown->child(0)->text(QAccessible::Name);
}

// What a screen reader has been given to say since it was last asked, once the turn of the event loop is over.
QString heard()
{
    settle();
    return std::exchange(said, {}).join('\n');
}

// Before Qt 6.10 only from inside the toolkit.
void switchOnAsAScreenReaderDoes()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 10, 0)
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
#else
    QAccessible::setActive(true);
#endif
}

// Qt 6.11 asks for a control's interface as the control is given its parent, while it is still
// being built; asked so here on every release.
class AskWhileBuilt : public QObject {
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded)
            QAccessible::queryAccessibleInterface(static_cast<QChildEvent *>(event)->child());
        return false;
    }
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    const QPalette system = QApplication::palette();

private slots:
    // Installed before the program's own handler, which passes on to it what it lets through.
    void initTestCase()
    {
        QAccessible::installUpdateHandler(listen);
        switchOnAsAScreenReaderDoes();
        QVERIFY(QAccessible::isActive());
    }
    void cleanup() { messages.take(), QApplication::setPalette(system); }

    void everyNodeIsNamedAndHasItsRole_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("role");
        QTest::addColumn<QStringList>("outputs");
        QTest::addColumn<QString>("theme"); // the system's window colour
        // The boxes that only the handlers write.
        const QHash<QString, QStringList> outputs{
            {"frmConcrete",
             {"txtCement", "txtSand", "txtGravel", "txtCementCost", "txtSandCost", "txtGravelCost", "txtTotalCost"}},
            {"frmBlock", {"txtBlockAmount", "txtAmount"}},
            {"frmWallFraming", {"txtCost"}},
            {"frmPipe", {"txtVolumeG", "txtVolumeL"}},
        };
        for (const QString &name : Workspace::windowNames())
            for (const char *theme : {"#efefef", "#353535"})
                QTest::addRow("%s, %s", qPrintable(name), theme)
                    << name << int(name == "frmAboutRatios" ? QAccessible::Dialog : QAccessible::Window)
                    << outputs.value(name) << theme;
    }
    void everyNodeIsNamedAndHasItsRole()
    {
        QFETCH(QString, window);
        QFETCH(int, role);
        QFETCH(QStringList, outputs);
        QFETCH(QString, theme);
        AskWhileBuilt asking;
        qApp->installEventFilter(&asking);
        Workspace workspace;
        workspace.setOnEnd({});
        workspace.mdiMain().Load();
        Form *form = workspace.formNamed(window);
        form->Show();
        QVERIFY(form->isLoaded());
        if (window == "mdiMain") // a window out of sight is out of the tree
            workspace.formNamed("frmQuickMenu")->Hide();
        QApplication::setPalette(QPalette(QColor(theme))); // the theme changes while the window is open
        settle();

        QAccessibleInterface *root = QAccessible::queryAccessibleInterface(form->window());
        QVERIFY(root && root->isValid());
        QCOMPARE(roleName(root->role()), roleName(QAccessible::Role(role)));
        QVERIFY2(!root->text(QAccessible::Name).isEmpty(), "the window has no name");
        if (!form->window()->windowTitle().isEmpty())
            QCOMPARE(root->text(QAccessible::Name), form->window()->windowTitle());

        QList<Node> nodes;
        QStringList problems;
        walk(root, window, nodes, problems);
        QSet<QObject *> walked;
        QStringList readOnlyOutputs;
        QHash<QString, QString> heardAs;
        for (const Node &node : std::as_const(nodes)) {
            QAccessibleInterface *iface = node.iface;
            QObject *object = iface->object();
            if (walked.contains(object))
                problems << node.path + ": reached twice";
            if (qobject_cast<QMdiSubWindow *>(object) && static_cast<QWidget *>(object)->isHidden())
                problems << node.path + ": hidden, yet in the tree";
            walked.insert(object);
            if (node.iface == root)
                continue;
            const QString name = iface->text(QAccessible::Name);
            const QAccessible::State state = iface->state();
            const QAccessible::Role actual = iface->role();

            std::optional<QAccessible::Role> expected = roleByName(object->objectName());
            if (!expected)
                expected = roleByClass(object);
            // A window's client area inside its frame: named after the window, not a window itself.
            if (!expected && object->objectName().startsWith("frm"))
                expected = QAccessible::Client;
            if (!expected)
                problems << QStringLiteral("%1: a %2 the program does not make").arg(node.path, roleName(actual));
            else if (actual != *expected)
                problems << QStringLiteral("%1: role %2, not %3").arg(node.path, roleName(actual), roleName(*expected));

            if (name.trimmed().isEmpty() && actual != QAccessible::Separator && actual != QAccessible::MenuBar &&
                actual != QAccessible::Notification)
                problems << node.path + (state.focusable ? ": takes the focus but has no name" : ": has no name");

            auto *widget = qobject_cast<QWidget *>(object);
            // Behind a caption shows its window's colour, or its own where it fills itself.
            const auto colour = [&](QPalette::ColorRole role) { return widget->palette().color(role); };
            if ((actual == QAccessible::CheckBox || actual == QAccessible::RadioButton ||
                 qobject_cast<QLabel *>(widget)) &&
                contrast(colour(widget->foregroundRole()), colour(QPalette::Window)) < 4.5)
                problems << node.path + ": hard to read";
            const bool output = actual == QAccessible::EditableText && outputs.contains(object->objectName());
            if (output) {
                if (!state.readOnly)
                    problems << node.path + ": the handlers alone write it, yet it is not read-only";
                else
                    readOnlyOutputs << object->objectName();
            } else if (actual == QAccessible::EditableText && state.readOnly) {
                problems << node.path + ": an input box that is read-only";
            }
            if (!isInput(actual) || output)
                continue;
            const QString description = iface->text(QAccessible::Description);
            if (description.isEmpty())
                problems << node.path + ": no description of what it takes or does";
            if (widget && description != widget->toolTip())
                problems << QStringLiteral("%1: described as \"%2\" but its tip says \"%3\"")
                                .arg(node.path, description, widget->toolTip());
            const auto captions = iface->relations(QAccessible::Label);
            // A screen reader names a control by its caption, where it has one.
            const QString heard = captions.isEmpty() ? name : captions[0].first->text(QAccessible::Name);
            if (std::exchange(heardAs[heard], node.path) != QString())
                problems << QStringLiteral("%1: heard as \"%2\", as is %3").arg(node.path, heard, heardAs[heard]);
            if (actual == QAccessible::EditableText &&
                (captions.isEmpty() || !name.contains(captions[0].first->text(QAccessible::Name))))
                problems << node.path + ": not labelled by its caption";
            if (actual == QAccessible::EditableText)
                for (const auto &[unit, word] : kUnits)
                    if (unit.match(name).hasMatch() && !description.contains(word, Qt::CaseInsensitive))
                        problems << QStringLiteral("%1 \"%2\": \"%3\" does not say \"%4\"")
                                        .arg(node.path, name, description, word);
        }

        // Nothing of the window is hidden from the tree.
        if (window == "mdiMain") {
            for (QAction *item : form->window()->findChildren<QAction *>())
                if (!item->objectName().isEmpty() && !walked.contains(item))
                    problems << "menu item " + item->objectName() + " is not in the tree";
        } else {
            for (QWidget *control : form->view()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (!walked.contains(control))
                    problems << control->objectName() + " is not in the tree";
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        readOnlyOutputs.sort();
        outputs.sort();
        QCOMPARE(readOnlyOutputs, outputs);
    }

    // Each press that writes figures is heard once, the figures with their meanings; a refused or
    // failed press is heard by its message alone.
    void everyChangeOfFiguresIsHeard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps"); // "box=text" types, anything else is pressed
        QTest::addColumn<QString>("heard");     // after the last step
        const QStringList priced{"txtPadWidth=5", "txtPadLength=10", "txtPadThickness=10", "cmdCalculate",
                                 "txtPriceC=10",  "txtPriceS=20",    "txtPriceG=30",       "cmdPrice"};
        QTest::newRow("refused") << "frmWater" << QStringList{"Command1"} << "";
        QTest::newRow("failed") << "frmWater" << QStringList{"txtWidth=100", "txtLength=100", "txtDepth=4", "Command1"}
                                << "";
        QTest::newRow("cleared") << "frmWater" << QStringList{"cmdClear"} << "Results cleared";
        QTest::newRow("priced") << "frmConcrete" << priced
                                << "Cement Cost 355, Sand Cost 47.142, Gravel Cost 141.429, Total Cost 543.571";
        QTest::newRow("posted") << "frmConcrete" << priced + QStringList{"cmdAddCement"}
                                << "Line 1: Cement = 35.5 X $10 = $355 added. Total: $355";
        QTest::newRow("length") << "frmLength" << QStringList{"txtcm=100", "Command1"}
                                << "Centimetres in centimetres 100, Centimetres in metres 1, Centimetres in inches "
                                   "39.37, Centimetres in feet 3.28";
        QTest::newRow("length cleared") << "frmLength" << QStringList{"cmdClear"} << "All results 0";
    }
    void everyChangeOfFiguresIsHeard()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, steps);
        auto workspace = startProgram();
        Form &form = *workspace->formNamed(window);
        form.Show();
        for (const QString &step : steps) {
            heard();
            if (step.contains('='))
                typeInto(form, step.section('=', 0, 0), step.section('=', 1));
            else
                click(form, step);
        }
        QTEST(heard(), "heard");
    }

    // Said in one turn, told together, in order; each later turn told anew, also when it says the same.
    void announcementsAreToldTurnByTurn()
    {
        auto workspace = startProgram();
        workspace->announce("Line 1: Sand = 2 X $5 = $10 added. Total: $10");
        workspace->announce("Sand Cost 10");
        QCOMPARE(heard(), QString("Line 1: Sand = 2 X $5 = $10 added. Total: $10. Sand Cost 10"));
        for (const QString said : {"Sand Cost 20", "Sand Cost 20"}) {
            workspace->announce(said);
            QCOMPARE(heard(), said);
        }
    }

    // A filled box as a screen reader reads it through its text interface: its text in one run,
    // each character where it is drawn, the caret and selection that Tab gives it and leaving takes
    // away; written from outside, replaced whole, unless only the handlers write it.
    void aFilledBoxReadsAsItShows()
    {
        auto workspace = startProgram();
        workspace->mdiMain().window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(workspace->mdiMain().window()));
        Form &water = *workspace->formNamed("frmWater"), &pipe = *workspace->formNamed("frmPipe");
        water.Show();
        typeInto(water, "txtLength", "12345");
        QWidget *box = water.control("txtLength");
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
        QAccessibleTextInterface *text = iface->textInterface();
        int start = -1, end = -1;
        const auto selected = [&] {
            text->selection(0, &start, &end);
            return QList{text->selectionCount(), start, end, text->cursorPosition()};
        };
        QCOMPARE(QVariantList({text->text(1, 3), text->characterCount(), iface->text(QAccessible::Value),
                               iface->state().selectableText, text->characterRect(5)}),
                 QVariantList({"23", 5, "12345", true, QRect()}));
        for (int offset = 0; offset < 5; ++offset) {
            const QRect at = text->characterRect(offset);
            QVERIFY(QRect(box->mapToGlobal(QPoint()), box->size()).contains(at));
            for (int x = at.left(); x <= at.right() + (offset == 4); ++x) // past the last, no character
                QCOMPARE(text->offsetAtPoint({x, at.center().y()}), x > at.right() ? -1 : offset);
        }
        // Runs at offsets -2 (the caret) to 6: the whole text, or none where there is no character.
        static_cast<QLabel *>(water.control("lblGallons"))->setText("7481");
        for (const auto &[name, count] : {std::pair("txtLength", 5), {"lblGallons", 4}, {"txtDepth", 0}})
            for (int offset = -2; offset <= 6; ++offset) {
                QAccessible::queryAccessibleInterface(water.control(name))
                    ->textInterface()
                    ->attributes(offset, &start, &end);
                QCOMPARE(QList({start, end}), count && offset <= count ? QList({0, count}) : QList({-1, -1}));
            }
        // Edits at every pair of offsets from -2 to 7: as asked when in order within the text, else none.
        auto *line = static_cast<QLineEdit *>(box);
        for (int from = -2; from <= 7; ++from)
            for (int to = -2; to <= 7; ++to) {
                line->setText("12345"), iface->editableTextInterface()->deleteText(from, to);
                const bool inOrder = 0 <= from && from <= to && to <= 5;
                QCOMPARE(line->text(), inOrder ? QString("12345").remove(from, to - from) : "12345");
                line->setText("12345"), iface->editableTextInterface()->insertText(from, "x");
                QCOMPARE(line->text(), 0 <= from && from <= 5 ? QString("12345").insert(from, 'x') : "12345");
            }
        water.control("txtWidth")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(selected(), QList({1, 0, 5, 5}));
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(selected(), QList({0, 0, 0, 5}));
        text->setSelection(0, 1, 3);
        QCOMPARE(static_cast<QLineEdit *>(box)->selectedText(), QString("23"));
        iface->setText(QAccessible::Value, "25");
        QAccessible::queryAccessibleInterface(pipe.control("txtVolumeG"))->setText(QAccessible::Value, "25");
        QCOMPARE(QStringList({water.text("txtLength"), pipe.text("txtVolumeG")}), QStringList({"25", ""}));
    }

    // No key lands in a window nobody can see: hiding the list gives the keyboard to the window used
    // last before it, neither the newest nor the one used first, to the control that had it or,
    // where that cannot take it, the first that can.
    void hidingGivesTheFocusBack_data()
    {
        QTest::addColumn<bool>("disabled");
        QTest::newRow("to the control used") << false;
        QTest::newRow("to the first that takes it") << true;
    }
    void hidingGivesTheFocusBack()
    {
        QFETCH(bool, disabled);
        auto workspace = startProgram();
        QWidget *main = workspace->mdiMain().window();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        for (const char *window : {"frmConcrete", "frmBlock", "frmPipe", "frmCosts"})
            workspace->formNamed(window)->Show();
        const std::pair<const char *, const char *> usedInTurn[] = {
            {"frmPipe", "txtPipeD"}, {"frmConcrete", "txtPadWidth"}, {"frmBlock", "txtHeight"}, {"frmCosts", "Label2"}};
        for (const auto &[window, control] : usedInTurn)
            QTest::mouseClick(workspace->formNamed(window)->control(control), Qt::LeftButton);
        Form &costs = *workspace->formNamed("frmCosts"), &block = *workspace->formNamed("frmBlock");
        QVERIFY(costs.view()->isAncestorOf(QApplication::focusWidget()));
        block.control("txtHeight")->setEnabled(!disabled);
        click(costs, "cmdHide");
        QCOMPARE(QApplication::focusWidget(), block.control(disabled ? "txtLength" : "txtHeight"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
