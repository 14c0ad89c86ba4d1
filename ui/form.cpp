#include "ui/form.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include "ui/builder.h"
#include "ui/hearing.h"

namespace corvane {
namespace {

// Runs a handler on an event of the object it filters.
class EventHook : public QObject {
public:
    EventHook(QObject *target, std::function<bool(QEvent *)> handler) : QObject(target), handler_(std::move(handler))
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        bool swallowed = false;
        RunHandler([&] { swallowed = handler_(event); });
        return swallowed;
    }

private:
    std::function<bool(QEvent *)> handler_;
};

QIcon windowIcon(bool withIcon)
{
    if (withIcon)
        return applicationIcon();
    // An empty icon would fall back to the application's; a blank one shows none. One serves
    // the whole run: the pixmap cache keeps a title-bar copy of every new icon it draws, so a
    // fresh one for each opening would grow the program a little every time.
    static const QIcon blank = [] {
        QPixmap none(16, 16);
        none.fill(Qt::transparent);
        return QIcon(none);
    }();
    return blank;
}

Qt::WindowFlags childFlags(const FormLayout &layout)
{
    if (layout.border == Border::None ||
        (!layout.controlBox && layout.caption.isEmpty() && layout.border != Border::Sizable))
        return Qt::SubWindow | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (layout.controlBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

Qt::WindowFlags topLevelFlags(const FormLayout &layout)
{
    Qt::WindowFlags flags = (layout.border == Border::Sizable ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint;
    if (layout.controlBox || !layout.caption.isEmpty())
        flags |= Qt::WindowTitleHint;
    if (layout.controlBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (layout.border == Border::None)
        flags |= Qt::FramelessWindowHint;
    return flags;
}

// The control of a child window that takes the keyboard: the one that had it last, else the first
// in tab order that can.
QWidget *keyboardIn(QMdiSubWindow *child)
{
    const auto takes = [child](QWidget *w) {
        return w && child->isAncestorOf(w) && w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus);
    };
    if (takes(child->focusWidget()))
        return child->focusWidget();
    for (QWidget *w = child->nextInFocusChain(); w != child; w = w->nextInFocusChain())
        if (takes(w))
            return w;
    return nullptr;
}

} // namespace

QIcon applicationIcon()
{
    // One serves the whole run: an icon made from the file name decodes the picture afresh
    // (several times over) for every window, and every new icon leaves its own title-bar copy
    // in the pixmap cache. Made from the cache's pixmap, it shares the splash's decoded copy.
    static const QIcon icon = [] {
        QIcon hammer{QPixmap(QStringLiteral(":/icon.png"))};
        // As an icon made from the file name would, a high-density screen also gets the
        // double-size picture; a plain screen is spared decoding it.
        if (qGuiApp->devicePixelRatio() > 1)
            hammer.addPixmap(QPixmap(QStringLiteral(":/icon@2x.png")));
        return hammer;
    }();
    return icon;
}

Form::Form(FormHost &host) : host_(host) {}

Form::~Form()
{
    QWidget *outer = window_.data();
    if (!outer)
        return;
    // Deleting the controls still sends them events (a synthetic mouse move as the pointer
    // leaves them), and the handlers that would receive them belong to a window object that is
    // already half destroyed; they are cut off first.
    for (QObject *child : outer->findChildren<QObject *>())
        if (dynamic_cast<EventHook *>(child))
            delete child;
    delete outer;
}

bool Form::isVisible() const
{
    return window_ && window_->isVisible();
}

void Form::Load()
{
    if (isLoaded())
        return;
    const FormLayout &spec = layout();
    if (spec.frame == Frame::MdiChild && !host_.mdiArea())
        return; // no main window left to hold a child

    // Building the controls runs no handler and no event loop; from the moment the view is
    // set the window counts as loaded, so a Load from wire() or Form_Load() does nothing.
    QWidget *view = createView();
    QWidget *firstFocus = buildControls(spec, view);
    view_ = view;
    window_ = createWindow(view);
    attachCloseBox();
    wire();
    if (firstFocus)
        firstFocus->setFocus();
    Form_Load();
    if (spec.frame == Frame::MdiChild && isLoaded())
        showChild();
}

void Form::showChild()
{
    // A window that placed itself keeps its place; one the main window placed is pulled fully
    // into view, where the automatic placement would leave its edge under the frame's border.
    const bool placedByArea = !window_->testAttribute(Qt::WA_Moved);
    window_->show();
    QWidget *viewport = window_->parentWidget();
    if (!placedByArea || !viewport)
        return;
    const QRect room = viewport->rect();
    QRect frame = window_->geometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveTopLeft(QPoint(std::max(frame.left(), 0), std::max(frame.top(), 0)));
    window_->move(frame.topLeft());
}

QWidget *Form::createWindow(QWidget *view)
{
    const FormLayout &spec = layout();
    if (spec.frame == Frame::TopLevel) {
        view->setWindowFlags(topLevelFlags(spec));
        view->setWindowTitle(spec.translate(spec.caption));
        view->setWindowIcon(windowIcon(spec.icon));
        return view;
    }
    auto *sub = new QMdiSubWindow(nullptr, childFlags(spec));
    sub->setWidget(view);
    sub->setWindowTitle(spec.translate(spec.caption));
    // The toolkit names a child window by its title; one without a caption goes by its spoken name.
    sub->setAccessibleName(spec.translate(spec.spokenName));
    sub->setWindowIcon(windowIcon(spec.icon));
    sub->setSystemMenu(nullptr);
    sub->setOption(QMdiSubWindow::RubberBandMove, false);
    host_.mdiArea()->addSubWindow(sub, childFlags(spec));
    // Tab past a window's last control gives the focus to the child window's frame, which passes
    // it on to the first control at once, but tells assistive tools of the frame last: a screen
    // reader would name the window, not the box the keys now go to. It is told of the control
    // again once the frame is done.
    new EventHook(sub, [sub](QEvent *event) {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, sub, [sub] {
                if (QWidget *focus = QApplication::focusWidget(); focus && sub->isAncestorOf(focus)) {
                    QAccessibleEvent told(focus, QAccessible::Focus);
                    QAccessible::updateAccessibility(&told);
                }
            });
        return false;
    });
    sub->adjustSize();
    sub->setFixedSize(sub->sizeHint());
    return sub;
}

void Form::attachCloseBox()
{
    // The close box does what Unload does. The close is then accepted: the window is gone, and
    // a program that is ending must not read it as a window refusing to close.
    new EventHook(window_, [this](QEvent *event) {
        if (event->type() != QEvent::Close)
            return false;
        Unload();
        event->accept();
        return true;
    });
}

void Form::Show()
{
    Load();
    if (!isLoaded())
        return;
    window_->show();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window_.data())) {
        if (QMdiArea *area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        sub->raise();
    } else {
        window_->raise();
        window_->activateWindow();
    }
}

void Form::Hide()
{
    Load();
    if (!isLoaded())
        return;
    const bool heldFocus = holdsFocus();
    window_->hide();
    if (heldFocus)
        handFocusTo(windowUsedLast());
}

// A child window that has, or last had, the focus of the main window: the toolkit would leave
// the keyboard in it once it is hidden, and a key could then press a button nobody can see.
bool Form::holdsFocus() const
{
    QWidget *focus = window_->window()->focusWidget();
    return isChildWindow() && focus && (focus == window_ || window_->isAncestorOf(focus));
}

// The other child window on show that the user was in last, by the area's history of activations.
QMdiSubWindow *Form::windowUsedLast() const
{
    QMdiArea *area = host_.mdiArea();
    const QList<QMdiSubWindow *> used =
        area ? area->subWindowList(QMdiArea::ActivationHistoryOrder) : QList<QMdiSubWindow *>();
    for (auto child = used.rbegin(); child != used.rend(); ++child)
        if ((*child)->isVisible() && keyboardIn(*child))
            return *child;
    return nullptr;
}

// The keyboard goes to a control of that window, else to the main window.
void Form::handFocusTo(QMdiSubWindow *child)
{
    if (QMdiArea *area = host_.mdiArea())
        area->setActiveSubWindow(child);
    (child ? keyboardIn(child) : window_->window())->setFocus(Qt::OtherFocusReason);
}

void Form::Unload()
{
    if (!isLoaded())
        return;
    beforeUnload();
    QWidget *outer = window_;
    QWidget *view = view_;
    view_ = nullptr;
    window_ = nullptr;
    // A pending timer tick or click must not reach the discarded controls.
    for (QObject *child : view->findChildren<QObject *>())
        child->blockSignals(true);
    const bool hadKeyboard = outer->isWindow() && outer->isActiveWindow();
    outer->hide();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(outer); sub && sub->mdiArea())
        sub->mdiArea()->removeSubWindow(sub);
    // The unload may run inside one of the window's own handlers.
    outer->deleteLater();
    // A window on its own hands the keyboard to the main window, which the window manager does
    // not always activate as the window goes: keys would reach no window that anyone can hear.
    if (QMdiArea *area = host_.mdiArea(); hadKeyboard && area && area->window() != outer)
        area->window()->activateWindow();
    host_.windowUnloaded(*this);
}

void Form::ZOrderToBack()
{
    Load();
    if (isLoaded())
        window_->lower();
}

void Form::Refresh()
{
    if (isLoaded() && window_->isVisible())
        window_->repaint();
}

QWidget *Form::control(const QString &controlName)
{
    Load();
    QWidget *found = view_ ? view_->findChild<QWidget *>(controlName, Qt::FindDirectChildrenOnly) : nullptr;
    if (!found)
        throw SubscriptOutOfRangeError();
    return found;
}

QString Form::text(const QString &controlName)
{
    QWidget *w = control(controlName);
    if (auto *box = qobject_cast<QLineEdit *>(w))
        return box->text();
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    return {};
}

void Form::setText(const QString &controlName, const QString &value)
{
    QWidget *w = control(controlName);
    if (written_ && isResult(w) && !written_->contains(controlName))
        written_->append(controlName);
    if (auto *box = qobject_cast<QLineEdit *>(w)) {
        box->setText(value);
        box->setCursorPosition(0);
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        label->setText(value);
        resultChanged(label);
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        button->setText(value);
    }
}

int Form::value(const QString &controlName)
{
    QWidget *w = control(controlName);
    if (auto *option = qobject_cast<QRadioButton *>(w))
        return option->isChecked() ? -1 : 0;
    if (auto *check = qobject_cast<QCheckBox *>(w))
        return check->isChecked() ? 1 : 0;
    throw TypeMismatchError();
}

void Form::setValue(const QString &controlName, int value)
{
    QWidget *w = control(controlName);
    if (auto *option = qobject_cast<QRadioButton *>(w)) {
        // An exclusive option button cannot be cleared directly.
        option->setAutoExclusive(value == -1);
        option->setChecked(value == -1);
        option->setAutoExclusive(true);
    } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
        check->setChecked(value == 1);
    } else {
        throw TypeMismatchError();
    }
}

void Form::moveTo(double leftTwips, double topTwips)
{
    Load();
    if (isLoaded())
        window_->move(qRound(leftTwips / kTwipsPerPixel), qRound(topTwips / kTwipsPerPixel));
}

QSizeF Form::outerSizeTwips() const
{
    if (!window_)
        return {};
    const QSize outer = window_->frameGeometry().size();
    return QSizeF(outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
}

QSizeF Form::screenSizeTwips()
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    return QSizeF(screen.width() * kTwipsPerPixel, screen.height() * kTwipsPerPixel);
}

void Form::onClick(const QString &controlName, std::function<void()> handler)
{
    auto *button = controlAs<QAbstractButton>(controlName);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [this, handler = std::move(handler)] { runAndAnnounce(handler); });
}

// A screen reader hears the figures a click wrote, with their meanings, once the click is done.
// A click that stops at a message writes nothing; one that fails part-way is heard by its error
// message alone.
void Form::runAndAnnounce(const std::function<void()> &handler)
{
    written_.emplace();
    const bool ran = RunHandler(handler);
    const QStringList written = std::exchange(written_, std::nullopt).value_or(QStringList());
    if (!ran || written.isEmpty() || !isLoaded())
        return;
    QStringList heard, shown;
    for (const ControlSpec &spec : layout().controls)
        if (written.contains(spec.name)) {
            heard << heardResult(control(spec.name));
            shown << text(spec.name).simplified();
        }
    // Clearing, or a table filled with one figure, is said once.
    if (shown.size() > 1 && shown.count(shown.front()) == shown.size())
        return announce(shown.front().isEmpty()
                            ? QCoreApplication::translate("Announcer", "Results cleared")
                            : QCoreApplication::translate("Announcer", "All results %1").arg(shown.front()));
    announce(heard.join(QStringLiteral(", ")));
}

void Form::onTimer(const QString &timerName, std::function<void()> handler)
{
    Load();
    auto *timer = view_ ? view_->findChild<QTimer *>(timerName) : nullptr;
    if (!timer)
        throw SubscriptOutOfRangeError();
    QObject::connect(timer, &QTimer::timeout, timer, [handler = std::move(handler)] { RunHandler(handler); });
}

void Form::onEvent(const QString &controlName, std::function<bool(QEvent *)> handler)
{
    new EventHook(control(controlName), std::move(handler));
}

} // namespace corvane
