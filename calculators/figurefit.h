// Result labels are narrow, and a figure that runs past a label's edges would simply be cut off:
// a centred "4858.992" cut at both ends reads as "858.99", a different number that nothing marks
// as wrong. A label fitted with fitFigure() shows its figure whole, in smaller type if need be,
// and only when even that is too wide shortens it with an ellipsis, so the shortening is visible;
// its tooltip then gives the whole figure. The caption itself is never changed.
#pragma once

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>

namespace corvane {

class FigureFit : public QObject {
public:
    explicit FigureFit(QLabel *label) : QObject(label), label_(label) { label->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Paint && event->type() != QEvent::ToolTip)
            return false;
        const QRect room = label_->contentsRect();
        const QString figure = label_->text();
        if (QFontMetrics(label_->font()).horizontalAdvance(figure) <= room.width())
            return false; // fits: the label paints itself and needs no tooltip
        if (event->type() == QEvent::ToolTip) {
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), figure, label_);
            return true;
        }
        paintFitted(room, figure);
        return true;
    }

private:
    // Below this the digits get hard to tell apart on a 96-dpi screen.
    static constexpr int kSmallestPixels = 9;

    void paintFitted(const QRect &room, const QString &figure)
    {
        QFont font = label_->font();
        for (int pixels = font.pixelSize() - 1; pixels >= kSmallestPixels; --pixels) {
            font.setPixelSize(pixels);
            if (QFontMetrics(font).horizontalAdvance(figure) <= room.width())
                break;
        }
        const QFontMetrics metrics(font);
        const QString shown = metrics.elidedText(figure, Qt::ElideRight, room.width());
        const int width = metrics.horizontalAdvance(shown);
        int left = room.left();
        if (label_->alignment() & Qt::AlignHCenter)
            left += (room.width() - width) / 2;
        else if (label_->alignment() & Qt::AlignRight)
            left += room.width() - width;
        // On the baseline the full-size caption would have, so a row of cells stays level.
        const int baseline = room.top() + QFontMetrics(label_->font()).ascent();
        QPainter painter(label_);
        painter.setFont(font);
        painter.setPen(label_->palette().color(label_->foregroundRole()));
        painter.drawText(QPoint(left, baseline), shown);
    }

    QLabel *label_;
};

inline void fitFigure(QLabel *label)
{
    new FigureFit(label);
}

} // namespace corvane
