// The program's own controls: a push button that Return presses, a text box that keeps quiet
// about its caret as the focus comes and goes, and a plain rule.
#include "ui/widgets.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/hearing.h"
#include "ui/look.h"

namespace corvane::widgets {

PushButton::PushButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setStyle(compactStyle());
}

void PushButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QPushButton::keyPressEvent(event);
    event->accept();
    if (!event->isAutoRepeat())
        click();
}

QRect TextBox::characterRect(int offset) const
{
    const QString shown = displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // The caret's rectangle is centred on the caret, wherever alignment and scrolling put the text.
    const QRect caret = cursorRect();
    const QFontMetrics metrics(font());
    const int origin = caret.left() + caret.width() / 2 - metrics.horizontalAdvance(shown.left(cursorPosition()));
    // From where the text before it ends to where the text up to it ends, so that neighbours neither overlap
    // nor leave a gap, which a character's own advance, rounded on its own, can do.
    const int left = origin + metrics.horizontalAdvance(shown.left(offset));
    const int right = origin + metrics.horizontalAdvance(shown.left(offset + 1));
    return QRect(left, caret.top(), right - left, caret.height());
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    const Unheard quietly;
    QLineEdit::focusInEvent(event);
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    const Unheard quietly;
    QLineEdit::focusOutEvent(event);
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

} // namespace corvane::widgets
