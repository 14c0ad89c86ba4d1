// What a screen reader hears: the accessible interfaces of the windows' controls and the factory
// that makes them, the results heard with what they mean, what is held back while a menu is open
// or while nothing may be heard, and the announcements.
#include "ui/hearing.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "ui/widgets.h"

namespace corvane {
namespace {

// A text without attributes of its own is one run, from its start to its end. A run of no length makes
// some screen readers drop a character, so an offset with no character, as in an empty text, is in no
// run (-1 to -1). As in the toolkit's text widgets, -2 asks for the caret's run and -1 or the end for the
// last character's.
void wholeTextRun(int offset, int count, int caret, int *start, int *end)
{
    if (offset == -2)
        offset = caret;
    if (offset == -1 || offset == count)
        offset = count - 1;
    const bool inText = 0 <= offset && offset < count;
    *start = inText ? 0 : -1;
    *end = inText ? count : -1;
}

// A box as a screen reader reads it. The toolkit's own interface reports a box's text attributes
// in runs of no length, and a screen reader that speaks a box run by run then drops its last
// character: a box holding 20 was heard as "2 selected". Here the text is one run, without
// attributes of its own. A box only the handlers write cannot be edited from outside either.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(widgets::TextBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            replaceText(0, characterCount(), text);
    }

    QString text(int start, int end) const override { return box()->text().mid(start, std::max(0, end - start)); }
    int characterCount() const override { return int(box()->text().size()); }
    QString attributes(int offset, int *start, int *end) const override
    {
        wholeTextRun(offset, characterCount(), cursorPosition(), start, end);
        return {};
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *start, int *end) const override
    {
        const bool selected = index == 0 && box()->hasSelectedText();
        *start = selected ? box()->selectionStart() : 0;
        *end = selected ? box()->selectionEnd() : 0;
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    QRect characterRect(int offset) const override
    {
        const QRect at = box()->characterRect(offset);
        return at.isEmpty() ? at : at.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    // The character under the point, not the caret position nearest to it.
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inBox = box()->mapFromGlobal(point);
        for (int offset = 0; offset < characterCount(); ++offset)
            if (box()->characterRect(offset).contains(inBox))
                return offset;
        return -1;
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    // Offsets out of the text or in reverse order (GTK's -1 for "to the end" among them) change
    // nothing, as with the toolkit's own boxes, rather than doubling text or adding a null.
    void replaceText(int start, int end, const QString &text) override
    {
        if (!box()->isReadOnly() && 0 <= start && start <= end && end <= characterCount())
            box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    widgets::TextBox *box() const { return static_cast<widgets::TextBox *>(widget()); }
};

// The toolkit names a child window by its title alone, so a window without a caption (the cost
// list, the banner, the water calculator) would be announced without a name; its accessible
// name, when it has one, names it instead.
class SubWindowAccessible : public QAccessibleWidget {
public:
    explicit SubWindowAccessible(QMdiSubWindow *window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return widget()->windowTitle().remove(QLatin1String("[*]"));
    }
    // The area lists its child windows as its own children; from a child window the way up leads
    // back to the area too, not to the area's inner viewport that no walk down ever passes.
    QAccessibleInterface *parent() const override
    {
        if (QMdiArea *area = static_cast<QMdiSubWindow *>(widget())->mdiArea())
            return QAccessible::queryAccessibleInterface(area);
        return QAccessibleWidget::parent();
    }
    // Only the window's contents, as the toolkit shows it.
    int childCount() const override { return content() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && content() ? QAccessible::queryAccessibleInterface(content()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && content() && child->object() == content() ? 0 : -1;
    }

private:
    QWidget *content() const { return static_cast<QMdiSubWindow *>(widget())->widget(); }
};

// The area lists the child windows on show. A screen reader that went through a hidden one (as
// it does, looking for the focus, on a key press) would hold it for invisible ever after: the
// toolkit tells when a window shows again, but never that it is visible. It is a plain container:
// as a layered pane, which screen readers take for a view of icons, it was heard as "0 items"
// each time the keyboard went into a window.
class MdiAreaAccessible : public QAccessibleWidget {
public:
    explicit MdiAreaAccessible(QMdiArea *area) : QAccessibleWidget(area, QAccessible::Client) {}

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QMdiSubWindow *> windows = shown();
        return index >= 0 && index < windows.size() ? QAccessible::queryAccessibleInterface(windows[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shown().indexOf(qobject_cast<QMdiSubWindow *>(child->object()))) : -1;
    }

private:
    QList<QMdiSubWindow *> shown() const
    {
        QList<QMdiSubWindow *> windows = static_cast<QMdiArea *>(widget())->subWindowList();
        windows.removeIf([](const QMdiSubWindow *window) { return !window->isVisible(); });
        return windows;
    }
};

// A plain widget is a window of its own (the splash) only while it has no parent; a window's
// client area inside a child window's frame is a client. Asked each time, as the view is built
// before it is placed in its frame.
class ViewAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::Role role() const override { return widget()->isWindow() ? QAccessible::Window : QAccessible::Client; }
};

// A notification has no name of its own, so that a screen reader speaks what it shows and no more;
// it shows its text only while in view.
class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QWidget *notification) : QAccessibleWidget(notification, QAccessible::Notification)
    {
    }
    int childCount() const override { return widget()->isVisible() ? QAccessibleWidget::childCount() : 0; }
};

// The property that marks a control that shows a result.
constexpr char kResult[] = "corvaneResult";

// Runs of blanks that only line figures up on screen are not read out.
QString shownFigure(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text().simplified();
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text().simplified();
    return {};
}

// What a result means (its accessible name) and what it shows now: "Gallons: 7481", "Gallons:
// empty". A figure that starts by saying what it is needs no second heading.
QString withMeaning(const QWidget *control, const QString &joiner)
{
    const QString meaning = control->accessibleName();
    const QString figure = shownFigure(control);
    const QString shown = figure.isEmpty() ? QCoreApplication::translate("ResultLabel", "empty") : figure;
    return meaning.isEmpty() || shown.startsWith(meaning) ? shown : meaning + joiner + shown;
}

// A result label is heard as what it means (its accessible name) and what it shows now ("Gallons:
// 7481", "Gallons: empty"), where its caption alone would only be the figure and its accessible
// name only the meaning. The name is read afresh each time. Its text is the figure alone, so that a
// screen reader's review can spell a long figure out digit by digit.
class ResultAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(int start, int end) const override { return figure().mid(start, end - start); }
    int characterCount() const override { return int(figure().size()); }
    // Read only, without a caret or a selection.
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        wholeTextRun(offset, characterCount(), 0, start, end);
        return {};
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        return withMeaning(widget(), QStringLiteral(": "));
    }

private:
    QString figure() const { return shownFigure(widget()); }
};

// The views built from the tables, while they live. No interface may be made for a widget in its destructor,
// as it would stay cached after the widget is gone; a view leaves this set at the start of its
// destruction, when it says it is destroyed, before anything can ask about it again.
QSet<const QObject *> &liveViews()
{
    static QSet<const QObject *> views;
    return views;
}

// Whether the toolkit asks for OBJECT as an instance of class C itself. It asks by the class names
// of the object's meta-object, most derived first, and keeps what it is given for that meta-object;
// a widget it asks about while its base class is still being built (Qt 6.11 does, as the widget is
// given its parent) has only the base's meta-object then, and gets the toolkit's own interface,
// kept for that meta-object alone. So each control of the program's own with an interface of its
// own has a meta-object of its own, and is known by its name, never by a cast that the moment of
// asking decides.
template <typename C>
bool askedAs(const QString &className)
{
    return className == QLatin1String(C::staticMetaObject.className());
}

// Rules divide a window into its parts, so a screen reader announces them as separators (as it
// does a menu's), which take no focus, rather than as unnamed panes.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("QMdiSubWindow"))
        return new SubWindowAccessible(static_cast<QMdiSubWindow *>(object));
    if (className == QLatin1String("QMdiArea"))
        return new MdiAreaAccessible(static_cast<QMdiArea *>(object));
    if (className == QLatin1String("QLabel") && object->property(kResult).toBool())
        return new ResultAccessible(static_cast<QLabel *>(object));
    if (askedAs<widgets::TextBox>(className))
        return new TextBoxAccessible(static_cast<widgets::TextBox *>(object));
    if (askedAs<widgets::LineShape>(className))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Separator);
    if (askedAs<Announcer>(className))
        return new NotificationAccessible(static_cast<QWidget *>(object));
    if (className == QLatin1String("QWidget") && liveViews().contains(object))
        return new ViewAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

// Everything the toolkit tells assistive tools passes through here on its way to them.
struct Telling {
    QAccessible::UpdateHandler next = nullptr; // a handler installed before, else the platform's own
    int unheard = 0;
    QPointer<QWidget> leftForMenu; // the window the keyboard left for a menu
    QPointer<QObject> focusTold;   // what a screen reader was last told has the focus
};

Telling &telling()
{
    static Telling state;
    return state;
}

void pass(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus)
        telling().focusTold = event->object();
    if (telling().next)
        return telling().next(event);
    // The toolkit tells the platform only when no handler is installed.
    const QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(self);
}

bool isPopup(const QWindow *window)
{
    return window && window->type() == Qt::Popup;
}

// While a menu is open the keys go to it, yet the toolkit gives the focus back to the window for a
// moment in passing from one menu to the next, and as the menus close, before a menu item moves it
// on: a screen reader read out a control of the window in the middle of the menus. Until the keyboard
// is back in the window, where it is is told when it comes back.
bool focusBehindMenu(const QAccessibleEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(event->object());
    if (event->type() != QAccessible::Focus || !widget || qobject_cast<QMenuBar *>(widget) ||
        isPopup(widget->window()->windowHandle()))
        return false;
    return QApplication::activePopupWidget() || (telling().leftForMenu == widget->window() &&
                                                 QGuiApplication::focusWindow() != widget->window()->windowHandle());
}

// The keyboard going into a menu and back is told as the window being left and entered again. A
// screen reader took the return for a new window and named it ("Corvane frame") after the control a
// menu item had just given the focus; it hears of neither, but once the keyboard is back, of where it
// is, unless that was the last it heard of.
bool keyboardInMenu(const QAccessibleEvent *event)
{
    auto *window = qobject_cast<QWidget *>(event->object());
    if (event->type() != QAccessible::StateChanged || !window || !window->isWindow() ||
        !static_cast<const QAccessibleStateChangeEvent *>(event)->changedStates().active ||
        isPopup(window->windowHandle()))
        return false;
    if (isPopup(QGuiApplication::focusWindow())) {
        telling().leftForMenu = window;
        return true;
    }
    if (telling().leftForMenu != window)
        return false;
    telling().leftForMenu = nullptr;
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus != telling().focusTold && !QApplication::activePopupWidget()) {
        QAccessibleEvent back(focus, QAccessible::Focus);
        pass(&back);
    }
    return true;
}

void tell(QAccessibleEvent *event)
{
    if (telling().unheard == 0 && !focusBehindMenu(event) && !keyboardInMenu(event))
        pass(event);
}

void installAccessibleFactory()
{
    static bool installed = false;
    if (std::exchange(installed, true))
        return;
    QAccessible::installFactory(accessibleFor);
    telling().next = QAccessible::installUpdateHandler(tell);
}

} // namespace

void registerView(QWidget *view)
{
    installAccessibleFactory();
    if (!liveViews().contains(view))
        QObject::connect(view, &QObject::destroyed, [](QObject *gone) { liveViews().remove(gone); });
    liveViews().insert(view);
}

void markResult(QWidget *control)
{
    control->setProperty(kResult, true);
}

Unheard::Unheard()
{
    installAccessibleFactory();
    ++telling().unheard;
}

Unheard::~Unheard()
{
    --telling().unheard;
}

void resultChanged(QLabel *label)
{
    if (!label->property(kResult).toBool())
        return;
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

bool isResult(const QWidget *control)
{
    return control->property(kResult).toBool();
}

QString heardResult(const QWidget *control)
{
    return withMeaning(control, QStringLiteral(" "));
}

Announcer::Announcer(QWidget *parent) : QWidget(parent), text_(new QLabel(this))
{
    installAccessibleFactory();
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    text_->setObjectName(QStringLiteral("lblAnnouncement"));
    text_->setTextFormat(Qt::PlainText);
    text_->setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString &text)
{
    if (said_.isEmpty())
        QMetaObject::invokeMethod(this, &Announcer::tell, Qt::QueuedConnection);
    said_ << text;
}

// From Qt 6.8 the toolkit tells a screen reader an announcement itself, from the window it is made
// in. Before, the notification comes into view anew for each.
void Announcer::tell()
{
    text_->setText(std::exchange(said_, {}).join(QStringLiteral(". ")));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(window(), text_->text());
    QAccessible::updateAccessibility(&announcement);
#else
    hide(); // in view since the last one, and only coming into view is read out
    show();
#endif
}

} // namespace corvane
