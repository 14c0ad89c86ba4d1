// Every window as a screen reader finds it: the accessibility tree is walked from the outer
// window down through its children, and each node must be named, carry the role its kind of
// control calls for, describe what an input or a button takes or does, and, for the boxes only
// the handlers write, be read-only.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>

#include "app/mainwindow.h"
#include "app/workspace.h"
#include "core/form.h"
#include "support/testsupport.h"

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
        {"cmd", QAccessible::Button},       {"Command", QAccessible::Button},      {"txt", QAccessible::EditableText},
        {"opt", QAccessible::RadioButton},  {"chk", QAccessible::CheckBox},        {"lbl", QAccessible::StaticText},
        {"Label", QAccessible::StaticText}, {"Line", QAccessible::Separator},      {"img", QAccessible::Graphic},
        {"Picture", QAccessible::Graphic},  {"mnu", QAccessible::PopupMenu},       {"itmLine", QAccessible::Separator},
        {"itm", QAccessible::MenuItem},     {"mdiArea", QAccessible::LayeredPane},
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
        double sum = 0;
        for (auto [value, weight] : {std::pair{c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}})
            sum += weight * (value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
        return sum;
    };
    const double first = luminance(a), second = luminance(b);
    const auto [dark, light] = std::minmax(first, second);
    return (light + 0.05) / (dark + 0.05);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    MessageRecorder messages;

private slots:
    void cleanup() { messages.take(); }

    void everyNodeIsNamedAndHasItsRole_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("role");
        QTest::addColumn<QStringList>("outputs");
        // The boxes that only the handlers write.
        const QHash<QString, QStringList> outputs{
            {"frmConcrete",
             {"txtCement", "txtSand", "txtGravel", "txtCementCost", "txtSandCost", "txtGravelCost", "txtTotalCost"}},
            {"frmBlock", {"txtBlockAmount", "txtAmount"}},
            {"frmWallFraming", {"txtCost"}},
            {"frmPipe", {"txtVolumeG", "txtVolumeL"}},
        };
        for (const QString &name : Workspace::windowNames())
            QTest::newRow(qPrintable(name))
                << name << int(name == "frmAboutRatios" ? QAccessible::Dialog : QAccessible::Window)
                << outputs.value(name);
    }
    void everyNodeIsNamedAndHasItsRole()
    {
        QFETCH(QString, window);
        QFETCH(int, role);
        QFETCH(QStringList, outputs);
        Workspace workspace;
        workspace.setOnEnd({});
        workspace.mdiMain().Load();
        Form *form = workspace.formNamed(window);
        form->Show();
        QVERIFY(form->isLoaded());

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
        for (const Node &node : std::as_const(nodes)) {
            QAccessibleInterface *iface = node.iface;
            QObject *object = iface->object();
            if (walked.contains(object))
                problems << node.path + ": reached twice";
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

            if (name.trimmed().isEmpty() && actual != QAccessible::Separator && actual != QAccessible::MenuBar)
                problems << node.path + (state.focusable ? ": takes the focus but has no name" : ": has no name");

            auto *widget = qobject_cast<QWidget *>(object);
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
            // The caption is heard with its box, not again on its own.
            const auto labels = iface->relations(QAccessible::Label);
            if (actual == QAccessible::EditableText &&
                (labels.isEmpty() || !name.contains(labels[0].first->text(QAccessible::Name))))
                problems << node.path + ": not labelled by a caption that says \"" + name + "\"";
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

    void captionsStandOutInALightAndADarkTheme_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("text");
        for (const QString &name : Workspace::windowNames()) {
            QTest::newRow(qPrintable(name + ", light")) << name << QColor("#efefef") << QColor(Qt::black);
            QTest::newRow(qPrintable(name + ", dark")) << name << QColor("#353535") << QColor("#eeeeec");
        }
    }
    void captionsStandOutInALightAndADarkTheme()
    {
        QFETCH(QString, window);
        QFETCH(QColor, back);
        QFETCH(QColor, text);
        const QPalette system = QApplication::palette();
        QApplication::setPalette(QPalette(text, back, back.lighter(), back.darker(), back, text, text, back, back));
        Workspace workspace;
        workspace.setOnEnd({});
        workspace.mdiMain().Load();
        workspace.formNamed(window)->Show();
        QStringList problems;
        for (QWidget *w : workspace.formNamed(window)->window()->findChildren<QWidget *>()) {
            auto *label = qobject_cast<QLabel *>(w);
            // What shows behind a caption is its window's colour, or its own where it fills itself.
            const double ratio =
                contrast(w->palette().color(w->foregroundRole()), w->palette().color(QPalette::Window));
            if (((label && !label->text().isEmpty()) || qobject_cast<QCheckBox *>(w) ||
                 qobject_cast<QRadioButton *>(w)) &&
                ratio < 4.5)
                problems << QStringLiteral("%1: %2:1").arg(w->objectName()).arg(ratio, 0, 'f', 2);
        }
        QApplication::setPalette(system);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
