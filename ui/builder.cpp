// Makes real widgets from a window's table: each control from its row, in its place, with its
// caption tied to it, in the tab order. How they look (ui/look.h) and what a screen reader hears
// of them (ui/hearing.h) it leaves to those.
#include "ui/builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "ui/hearing.h"
#include "ui/look.h"
#include "ui/widgets.h"

namespace corvane {
namespace {

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

QLabel *makeLabel(const ControlSpec &spec, QWidget *view)
{
    auto *label = new QLabel(spec.caption, view);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignmentFor(spec.align));
    return label;
}

QWidget *makeTextBox(const ControlSpec &spec, QWidget *view)
{
    auto *box = new widgets::TextBox(spec.caption, view);
    box->setAlignment((alignmentFor(spec.align) & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    box->setStyle(compactStyle());
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
    case Kind::Button: return new widgets::PushButton(spec.caption, view);
    case Kind::Option: {
        auto *option = new QRadioButton(spec.caption, view);
        option->setChecked(spec.selected);
        option->setStyle(compactStyle());
        return option;
    }
    case Kind::Check: {
        auto *check = new QCheckBox(spec.caption, view);
        check->setStyle(compactStyle());
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
    auto *line = new widgets::LineShape(from, to, spec.lineWidth, colour, view);
    line->setObjectName(spec.name);
    line->setAccessibleName(spec.accessibleName);
}

void placeTimer(const ControlSpec &spec, QWidget *view)
{
    auto *timer = new QTimer(view);
    timer->setObjectName(spec.name);
    timer->setInterval(spec.interval);
    timer->start();
}

// A row with its texts as the user reads them.
ControlSpec inUserLanguage(const ControlSpec &spec, const FormLayout &layout)
{
    ControlSpec shown = spec;
    shown.caption = layout.translate(spec.caption, spec.fill);
    shown.accessibleName = layout.translate(spec.accessibleName, spec.fill);
    shown.tip = layout.translate(spec.tip, spec.fill);
    return shown;
}

QString accessibleNameFor(const ControlSpec &shown, const FormLayout &layout)
{
    if (!shown.accessibleName.isEmpty())
        return shown.accessibleName;
    if (!shown.describedBy.isEmpty()) {
        for (const ControlSpec &other : layout.controls)
            if (other.name == shown.describedBy)
                return layout.translate(other.caption);
    }
    return shown.caption;
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

// Each caption that names a control becomes its buddy, so that assistive tools hear the two as
// one: the control labelled by the caption, the caption a label for the control. No caption has
// an access key, so a buddy takes no shortcut.
void tieCaptions(const FormLayout &layout, QWidget *view)
{
    for (const ControlSpec &spec : layout.controls) {
        if (spec.describedBy.isEmpty())
            continue;
        auto *caption = view->findChild<QLabel *>(spec.describedBy, Qt::FindDirectChildrenOnly);
        auto *control = view->findChild<QWidget *>(spec.name, Qt::FindDirectChildrenOnly);
        if (caption && control)
            caption->setBuddy(control);
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

QWidget *buildControls(const FormLayout &layout, QWidget *view)
{
    registerView(view);
    view->setObjectName(layout.name);
    if (!layout.spokenName.isEmpty())
        view->setAccessibleName(layout.translate(layout.spokenName));
    else
        view->setAccessibleName(layout.caption.isEmpty() ? layout.name : layout.translate(layout.caption));
    view->setFont(fontFor(layout.font));
    if (!layout.client.isEmpty())
        view->setFixedSize(twipsToPixels(layout.client.width()), twipsToPixels(layout.client.height()));
    view->setAutoFillBackground(layout.back.has_value());
    std::vector<std::pair<int, QWidget *>> focusable;
    for (const ControlSpec &row : layout.controls) {
        const ControlSpec spec = inUserLanguage(row, layout);
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
        if (spec.font)
            w->setFont(fontFor(*spec.font));
        w->setGeometry(pixelRect(spec.at));
        if (spec.kind == Kind::Label)
            wrapIfTallEnough(static_cast<QLabel *>(w));
        shrinkToFit(w);
        // Marked first: naming the label makes its accessible interface, which must be a result's.
        if (spec.result || spec.output)
            markResult(w);
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
    tieCaptions(layout, view);
    followTheme(layout, view);
    return chainTabOrder(focusable);
}

} // namespace corvane
