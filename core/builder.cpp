#include "core/builder.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <map>
#include <utility>

namespace corvane {
namespace {

QString familyFor(const QString &face)
{
    if (face == QLatin1String("Times New Roman"))
        return QStringLiteral("Liberation Serif");
    return QStringLiteral("Liberation Sans"); // MS Sans Serif, Arial
}

// Edges rather than sizes are rounded, so neighbouring controls keep their gaps.
QRect pixelRect(const Twips &t)
{
    const int left = twipsToPixels(t.left), top = twipsToPixels(t.top);
    return QRect(left, top, twipsToPixels(t.left + t.width) - left, twipsToPixels(t.top + t.height) - top);
}

Qt::Alignment alignmentFor(Align a)
{
    switch (a) {
    case Align::Centre: return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right: return Qt::AlignRight | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Each control of a coloured window takes a palette with every colour set, one per window colour
// for the whole run. A control that only inherited its window's palette would get one of its
// own each time the window opened, and the style keys its cached pictures of buttons and boxes
// by palette: the cache would fill with pictures never drawn again, and the toolkit keeps the
// names of those pictures for a good while after.
const QPalette &sharedPalette(const QPalette &window)
{
    static std::map<QRgb, QPalette> palettes;
    const auto [entry, fresh] = palettes.try_emplace(window.color(QPalette::Window).rgba(), window);
    if (fresh)
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            for (int r = 0; r < QPalette::NColorRoles; ++r) {
                const auto group = QPalette::ColorGroup(g);
                const auto role = QPalette::ColorRole(r);
                entry->second.setBrush(group, role, window.brush(group, role));
            }
    return entry->second;
}

void paintColours(QWidget *w, const ControlSpec &spec)
{
    if (!spec.back && !spec.fore)
        return;
    QPalette palette = w->palette();
    if (spec.back) {
        palette.setColor(QPalette::Window, colourFromBgr(*spec.back));
        w->setAutoFillBackground(true);
    }
    if (spec.fore) {
        palette.setColor(QPalette::WindowText, colourFromBgr(*spec.fore));
        palette.setColor(QPalette::ButtonText, colourFromBgr(*spec.fore));
    }
    w->setPalette(palette);
}

// Check boxes and option buttons keep their caption close to the box: the windows' captions
// are sized for that spacing, and the toolkit's roomier default would clip them.
class CompactIndicatorStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle *compactIndicatorStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new CompactIndicatorStyle;
        style->setParent(qApp);
    }
    return style;
}

// A caption wraps at blanks only where the label's height leaves room for a second line; then
// the label may grow by a pixel or two so that the last line's descenders are not cut off.
void wrapIfTallEnough(QLabel *label)
{
    const int lineHeight = QFontMetrics(label->font()).height();
    label->setWordWrap(label->height() >= 2 * lineHeight - 2);
    if (!label->wordWrap())
        return;
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height() && needed <= label->height() + 2)
        label->resize(label->width(), needed);
}

// No button is a default button, and a toolkit button that is not one ignores Return; yet a
// keyboard user expects Return or Enter on the focused button to press it, as Space does.
// Auto-repeat does not press again, so holding the key posts a line once.
class PushButton : public QPushButton {
public:
    PushButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) { setAutoDefault(false); }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QPushButton::keyPressEvent(event);
        event->accept();
        if (!event->isAutoRepeat())
            click();
    }
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

// A plain widget is a window of its own (the splash) only while it has no parent; a window's
// client area inside a child window's frame is a client. Asked each time, as the view is built
// before it is placed in its frame.
class ViewAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::Role role() const override { return widget()->isWindow() ? QAccessible::Window : QAccessible::Client; }
};

// The views built here, while they live. No interface may be made for a widget in its destructor,
// as it would stay cached after the widget is gone; a view leaves this set at the start of its
// destruction, when it says it is destroyed, before anything can ask about it again.
QSet<const QObject *> &liveViews()
{
    static QSet<const QObject *> views;
    return views;
}

void registerView(QWidget *view)
{
    if (!liveViews().contains(view))
        QObject::connect(view, &QObject::destroyed, [](QObject *gone) { liveViews().remove(gone); });
    liveViews().insert(view);
}

// Rules divide a window into its parts, so a screen reader announces them as separators (as it
// does a menu's), which take no focus, rather than as unnamed panes. A rule being destroyed is no
// longer a LineShape, so it is left to the toolkit.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("QMdiSubWindow"))
        return new SubWindowAccessible(static_cast<QMdiSubWindow *>(object));
    if (className != QLatin1String("QWidget"))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (dynamic_cast<LineShape *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (liveViews().contains(widget))
        return new ViewAccessible(widget);
    return nullptr;
}

void installAccessibleFactory()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(accessibleFor);
}

QLabel *makeLabel(const ControlSpec &spec, QWidget *view)
{
    auto *label = new QLabel(spec.caption, view);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignmentFor(spec.align));
    return label;
}

QWidget *makeTextBox(const ControlSpec &spec, QWidget *view)
{
    auto *box = new QLineEdit(spec.caption, view);
    box->setAlignment(Qt::AlignLeft);
    if (spec.output) {
        // Written by the handlers only; still selectable and copyable with the mouse.
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
    }
    return box;
}

QWidget *makePicture(const ControlSpec &spec, QWidget *view)
{
    auto *picture = new QLabel(view);
    // At its natural size, but on a high-density screen drawn from the double-size version the
    // toolkit finds beside it ("icon@2x.png"), so that it is sharp rather than enlarged.
    const QSize natural = QImageReader(spec.picture).size();
    picture->setPixmap(QIcon(spec.picture).pixmap(natural, view->devicePixelRatioF()));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

QWidget *makeWidget(const ControlSpec &spec, QWidget *view)
{
    switch (spec.kind) {
    case Kind::Label: return makeLabel(spec, view);
    case Kind::TextBox: return makeTextBox(spec, view);
    case Kind::Button: return new PushButton(spec.caption, view);
    case Kind::Option: {
        auto *option = new QRadioButton(spec.caption, view);
        option->setChecked(spec.selected);
        option->setStyle(compactIndicatorStyle());
        return option;
    }
    case Kind::Check: {
        auto *check = new QCheckBox(spec.caption, view);
        check->setStyle(compactIndicatorStyle());
        return check;
    }
    case Kind::Picture: return makePicture(spec, view);
    default: return nullptr;
    }
}

void placeLine(const ControlSpec &spec, QWidget *view)
{
    const QPoint from(twipsToPixels(spec.at.left), twipsToPixels(spec.at.top));
    const QPoint to(twipsToPixels(spec.at.width), twipsToPixels(spec.at.height));
    const QColor colour = spec.fore ? colourFromBgr(*spec.fore) : QColor(Qt::black);
    auto *line = new LineShape(from, to, spec.lineWidth, colour, view);
    line->setObjectName(spec.name);
}

void placeTimer(const ControlSpec &spec, QWidget *view)
{
    auto *timer = new QTimer(view);
    timer->setObjectName(spec.name);
    timer->setInterval(spec.interval);
    timer->start();
}

QString accessibleNameFor(const ControlSpec &spec, const FormLayout &layout)
{
    if (!spec.accessibleName.isEmpty())
        return spec.accessibleName;
    if (!spec.describedBy.isEmpty()) {
        for (const ControlSpec &other : layout.controls)
            if (other.name == spec.describedBy)
                return other.caption;
    }
    return spec.caption;
}

bool takesFocus(const ControlSpec &spec)
{
    switch (spec.kind) {
    case Kind::TextBox: return !spec.output;
    case Kind::Button:
    case Kind::Option:
    case Kind::Check: return true;
    default: return false;
    }
}

QWidget *chainTabOrder(std::vector<std::pair<int, QWidget *>> &focusable)
{
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    return focusable.empty() ? nullptr : focusable.front().second;
}

} // namespace

QFont fontFor(const FontSpec &spec)
{
    QFont font(familyFor(spec.face));
    font.setPixelSize(qRound(spec.points * 96.0 / 72.0));
    font.setBold(spec.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    // The small sans-serif face the windows were laid out for is narrower than its stand-in;
    // a slightly tighter spacing keeps every caption inside the width it was given.
    if (spec.face == QLatin1String("MS Sans Serif"))
        font.setLetterSpacing(QFont::PercentageSpacing, 95);
    return font;
}

LineShape::LineShape(QPoint from, QPoint to, int width, QColor colour, QWidget *parent)
    : QWidget(parent), width_(width), colour_(colour)
{
    const QRect bounds = QRect(from, to).normalized().adjusted(0, 0, width - 1, width - 1);
    setGeometry(bounds);
    from_ = from - bounds.topLeft();
    to_ = to - bounds.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::SquareCap));
    const QPointF half(width_ / 2.0 - 0.5, width_ / 2.0 - 0.5);
    painter.drawLine(QPointF(from_) + half, QPointF(to_) + half);
}

QWidget *buildControls(const FormLayout &layout, QWidget *view)
{
    installAccessibleFactory();
    registerView(view);
    view->setObjectName(layout.name);
    view->setAccessibleName(layout.caption.isEmpty() ? layout.name : layout.caption);
    view->setFont(fontFor(layout.font));
    if (!layout.client.isEmpty())
        view->setFixedSize(twipsToPixels(layout.client.width()), twipsToPixels(layout.client.height()));
    if (layout.back) {
        QPalette palette = view->palette();
        palette.setColor(QPalette::Window, colourFromBgr(*layout.back));
        view->setPalette(palette);
        view->setAutoFillBackground(true);
    }
    std::vector<std::pair<int, QWidget *>> focusable;
    for (const ControlSpec &spec : layout.controls) {
        if (spec.kind == Kind::Line) {
            placeLine(spec, view);
            continue;
        }
        if (spec.kind == Kind::Timer) {
            placeTimer(spec, view);
            continue;
        }
        QWidget *w = makeWidget(spec, view);
        w->setObjectName(spec.name);
        if (layout.back)
            w->setPalette(sharedPalette(view->palette()));
        if (spec.font)
            w->setFont(fontFor(*spec.font));
        paintColours(w, spec);
        w->setGeometry(pixelRect(spec.at));
        if (spec.kind == Kind::Label)
            wrapIfTallEnough(static_cast<QLabel *>(w));
        w->setAccessibleName(accessibleNameFor(spec, layout));
        if (!spec.tip.isEmpty()) {
            w->setToolTip(spec.tip);
            w->setAccessibleDescription(spec.tip);
        }
        if (takesFocus(spec))
            focusable.emplace_back(spec.tab, w);
        else if (spec.kind != Kind::TextBox)
            w->setFocusPolicy(Qt::NoFocus);
    }
    return chainTabOrder(focusable);
}

} // namespace corvane
