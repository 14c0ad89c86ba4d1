// The look of every window: fonts, colours that read on their background and follow the system
// theme, the compact style that gives captions their room, and captions set smaller to fit.
#include "ui/look.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
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

// Relative luminance and contrast ratio as the Web Content Accessibility Guidelines define them.
double luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double first = luminance(a), second = luminance(b);
    const auto [dark, light] = std::minmax(first, second);
    return (light + 0.05) / (dark + 0.05);
}

// Text keeps the colour it was given, the system's or its own, wherever that reads against the
// background (the AA ratio, 4.5:1). A fixed background does not change with the system theme, so
// a dark theme's light text would all but vanish on it; then the text takes black or white,
// whichever stands out more.
QColor readableOn(const QColor &back, const QColor &text)
{
    constexpr double kReadable = 4.5;
    if (contrast(text, back) >= kReadable)
        return text;
    const QColor black(Qt::black), white(Qt::white);
    return contrast(black, back) >= contrast(white, back) ? black : white;
}

// Each control of a coloured window takes a palette with every colour set, one per window colour
// for the whole run. A control that only inherited its window's palette would get one of its
// own each time the window opened, and the style keys its cached pictures of buttons and boxes
// by palette: the cache would fill with pictures never drawn again, and the toolkit keeps the
// names of those pictures for a good while after. The key holds the system palette too, as
// everything but the window's colours follows it.
//
// Buttons and boxes keep the system theme's faces and text, drawn on their own face. A check box
// or option button has no face: its caption lies on the window, and styles draw it in the button
// or the text colour, so both are the window's readable text colour, and the inside of its box
// is the window's own colour, on which that text colour also shows its tick.
const QPalette &sharedPalette(const QPalette &window, bool indicator)
{
    static std::map<std::tuple<qint64, QRgb, bool>, QPalette> palettes;
    const auto key =
        std::make_tuple(QApplication::palette().cacheKey(), window.color(QPalette::Window).rgba(), indicator);
    const auto [entry, fresh] = palettes.try_emplace(key, window);
    if (!fresh)
        return entry->second;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            entry->second.setBrush(group, role, window.brush(group, role));
        }
    if (indicator) {
        entry->second.setColor(QPalette::ButtonText, window.color(QPalette::WindowText));
        entry->second.setColor(QPalette::Text, window.color(QPalette::WindowText));
        entry->second.setColor(QPalette::Base, window.color(QPalette::Window));
    }
    return entry->second;
}

// A control's own colours over its window's. Its text is made readable against what shows behind
// it, taken from the window's palette rather than the control's: while the system theme changes,
// the control's may not have followed yet.
void paintColours(QWidget *w, const ControlSpec &spec, const QPalette &window)
{
    if (!spec.back && !spec.fore)
        return;
    QPalette palette = w->palette();
    const QColor back = spec.back ? colourFromBgr(*spec.back) : window.color(QPalette::Window);
    const QColor fore = spec.fore ? colourFromBgr(*spec.fore) : window.color(QPalette::WindowText);
    if (spec.back) {
        palette.setColor(QPalette::Window, back);
        w->setAutoFillBackground(true);
    }
    if (spec.fore)
        palette.setColor(QPalette::ButtonText, fore);
    palette.setColor(QPalette::WindowText, readableOn(back, fore));
    w->setPalette(palette);
}

// The span from `start` of `length` pixels, grown about its middle to `needed` where it is
// shorter, as far as the span from `low` to `high` allows.
std::pair<int, int> grownTo(int start, int length, int needed, int low, int high)
{
    if (length >= needed)
        return {start, length};
    const int grown = std::min(needed, high - low);
    return {std::clamp(start + (length - grown) / 2, low, high - grown), grown};
}

// The room a button of `outline` leaves its caption: the style's own, grown where the caption
// needs more, up to the button's frame. Some styles pad a button so deeply that the tables'
// 17-pixel buttons leave 9 pixels of text height, which cuts the tails off g, p and q.
QRect captionRoom(const QRect &styled, const QStyleOption *option, const QRect &outline)
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button || button->text.isEmpty())
        return styled;
    constexpr int kFrame = 1;
    const QRect inside = outline.adjusted(kFrame, kFrame, -kFrame, -kFrame);
    const QFontMetrics &metrics = option->fontMetrics;
    const auto [left, width] = grownTo(styled.left(), styled.width(), metrics.horizontalAdvance(button->text),
                                       inside.left(), inside.right() + 1);
    const auto [top, height] =
        grownTo(styled.top(), styled.height(), metrics.ascent() + metrics.descent(), inside.top(), inside.bottom() + 1);
    return QRect(left, top, width, height);
}

// The windows' controls are sized for tight spacing, which roomier styles would clip: check
// boxes and option buttons keep their caption close to the box, and a caption has the room that it
// needs, inside a button's frame or beside the room the style keeps for a box (some styles keep 22
// pixels for a box drawn 17 high); a text box's text is not padded further inside its frame (some
// styles add 8 pixels a side, which leaves the narrowest boxes no room for a three-digit figure).
class CompactStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        const QRect styled = QProxyStyle::subElementRect(element, option, widget);
        if (element == SE_CheckBoxContents || element == SE_RadioButtonContents) {
            const SubElement box = element == SE_CheckBoxContents ? SE_CheckBoxIndicator : SE_RadioButtonIndicator;
            return captionRoom(
                styled, option,
                option->rect.adjusted(QProxyStyle::subElementRect(box, option, widget).right() + 1, 0, 0, 0));
        }
        return element == SE_PushButtonContents ? captionRoom(styled, option, option->rect) : styled;
    }
    // Where a caption has outgrown the style's own room for it, the focus frame runs just inside
    // the button's frame rather than through the caption's letters.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option);
        const auto *button = qobject_cast<const QPushButton *>(widget);
        if (element != PE_FrameFocusRect || !focus || !button || button->text().isEmpty())
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        QStyleOptionButton caption;
        caption.initFrom(button);
        caption.text = button->text();
        const QRect styled = QProxyStyle::subElementRect(SE_PushButtonContents, &caption, widget);
        QStyleOptionFocusRect around = *focus;
        if (captionRoom(styled, &caption, caption.rect) != styled)
            around.rect = caption.rect.adjusted(1, 1, -1, -1);
        QProxyStyle::drawPrimitive(element, &around, painter, widget);
    }
    // Some styles lay a button's, box's or option's caption out themselves rather than asking for its room.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        const bool beside = element == CE_CheckBoxLabel || element == CE_RadioButtonLabel;
        if ((element != CE_PushButtonLabel && !beside) || !button || !widget)
            return QProxyStyle::drawControl(element, option, painter, widget);
        QStyleOptionButton roomier = *button;
        roomier.rect = captionRoom(option->rect, option, widget->rect());
        if (beside) {
            roomier.rect = widget->rect();
            roomier.rect = subElementRect(element == CE_CheckBoxLabel ? SE_CheckBoxContents : SE_RadioButtonContents,
                                          &roomier, widget);
        }
        QProxyStyle::drawControl(element, &roomier, painter, widget);
    }
    using QProxyStyle::polish;
    void polish(QWidget *widget) override
    {
        QProxyStyle::polish(widget);
        if (auto *box = qobject_cast<QLineEdit *>(widget))
            box->setTextMargins(0, 0, 0, 0);
    }
};

// The smallest type a caption is set in to make it fit: 7.5 points at the 96 dots an inch the tables
// are drawn for. A caption that would need less is worded shorter instead.
constexpr int kSmallestCaptionPixels = 10;

// Whether a caption's text lies within the room its control leaves it: a label's whole width, or
// the lines a wrapping label has room for; a button's or box's text area as the style draws it,
// beside the box and inside the button's frame, which some styles make much larger than others.
bool captionFits(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        // The ink must fit; the advance may overhang by its side bearings without cutting a glyph.
        return label->fontMetrics().tightBoundingRect(label->text()).width() <= label->contentsRect().width();
    }
    auto *button = qobject_cast<QAbstractButton *>(w);
    if (!button || button->text().isEmpty())
        return true;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return button->fontMetrics().horizontalAdvance(button->text()) <= room.width();
}

// The colours of a window and its controls, from its table over the system palette.
void applyColours(const FormLayout &layout, QWidget *view)
{
    QPalette window = QApplication::palette(view);
    if (layout.back) {
        window.setColor(QPalette::Window, colourFromBgr(*layout.back));
        window.setColor(QPalette::WindowText,
                        readableOn(window.color(QPalette::Window), window.color(QPalette::WindowText)));
        view->setPalette(window);
    }
    for (const ControlSpec &spec : layout.controls) {
        auto *w = view->findChild<QWidget *>(spec.name, Qt::FindDirectChildrenOnly);
        if (!w || spec.kind == Kind::Line)
            continue;
        if (layout.back)
            w->setPalette(sharedPalette(view->palette(), spec.kind == Kind::Check || spec.kind == Kind::Option));
        paintColours(w, spec, window);
    }
}

// Every control of a coloured window holds a palette with every colour set, so none would follow
// a change of system theme made while the window is open (a switch to a dark desktop at dusk); the
// window's colours are worked out again instead, as building it would.
class ThemeFollower : public QObject {
public:
    ThemeFollower(const FormLayout &layout, QWidget *view) : QObject(view), layout_(layout)
    {
        applyColours(layout_, view);
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *view, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            applyColours(layout_, static_cast<QWidget *>(view));
        return false;
    }

private:
    const FormLayout layout_; // a copy: a window may outlive the table it was built from
};

} // namespace

// Over the application's style, made again when that has changed since, so that the boxes keep
// its look.
QStyle *compactStyle()
{
    static QPointer<QStyle> style;
    static QString madeOver;
    const QString current = QApplication::style()->name();
    if (!style || madeOver != current) {
        madeOver = current;
        style = new CompactStyle(QStyleFactory::create(current));
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

// A caption too wide for its control is set in smaller type, a pixel at a time, rather than cut
// off; its words stay as they are.
void shrinkToFit(QWidget *w)
{
    QFont font = w->font();
    for (int pixels = font.pixelSize() - 1; !captionFits(w) && pixels >= kSmallestCaptionPixels; --pixels) {
        font.setPixelSize(pixels);
        w->setFont(font);
    }
}

void growLeftToFit(QLabel *label, const QFont &font, int leftmost)
{
    label->setFont(font);
    const int frame = label->width() - label->contentsRect().width();
    const int needed = label->fontMetrics().tightBoundingRect(label->text()).width() + frame + 1;
    const int right = label->x() + label->width();
    const int width = std::clamp(needed, label->width(), std::max(label->width(), right - leftmost));
    label->setGeometry(right - width, label->y(), width, label->height());
    shrinkToFit(label);
}

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

void followTheme(const FormLayout &layout, QWidget *view)
{
    new ThemeFollower(layout, view);
}

} // namespace corvane
