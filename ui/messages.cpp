#include "ui/messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <new>

#include "numbers/errors.h"

namespace corvane {
namespace {

QMessageBox::Icon iconFor(int style)
{
    switch (style) {
    case Critical: return QMessageBox::Critical;
    case Exclamation: return QMessageBox::Warning;
    case Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct IconWords {
    const char *themeName; // in the desktop's icon theme
    const char *spoken;
};

IconWords wordsFor(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Critical: return {"dialog-error", QT_TRANSLATE_NOOP("MessageBox", "Error")};
    case QMessageBox::Warning: return {"dialog-warning", QT_TRANSLATE_NOOP("MessageBox", "Warning")};
    case QMessageBox::Question: return {"dialog-question", QT_TRANSLATE_NOOP("MessageBox", "Question")};
    default: return {"dialog-information", QT_TRANSLATE_NOOP("MessageBox", "Information")};
    }
}

// The toolkit's own message icons are small pictures, blurred when enlarged on a high-density
// screen; these are drawn from shapes at the size the screen needs. The unit is a 32-point box.
void drawIcon(QPainter &painter, QMessageBox::Icon icon)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor ink = icon == QMessageBox::Warning ? QColor(0x20, 0x20, 0x20) : QColor(Qt::white);
    if (icon == QMessageBox::Warning) {
        painter.setBrush(QColor(0xF2, 0xB1, 0x00));
        painter.drawPolygon(QPolygonF{{16, 2}, {31, 29}, {1, 29}});
    } else {
        painter.setBrush(icon == QMessageBox::Critical ? QColor(0xD3, 0x2F, 0x2F) : QColor(0x1E, 0x66, 0xC8));
        painter.drawEllipse(QRectF(1, 1, 30, 30));
    }
    painter.setBrush(ink);
    switch (icon) {
    case QMessageBox::Critical:
        painter.setPen(QPen(ink, 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        painter.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
        break;
    case QMessageBox::Warning:
        painter.drawRoundedRect(QRectF(14.5, 10, 3, 11), 1.5, 1.5);
        painter.drawEllipse(QRectF(14.5, 23, 3, 3));
        break;
    case QMessageBox::Question: {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(22);
        font.setBold(true);
        QPainterPath mark;
        mark.addText(0, 0, font, QStringLiteral("?"));
        const QRectF bounds = mark.boundingRect();
        painter.drawPath(mark.translated(QPointF(16, 16) - bounds.center()));
        break;
    }
    default:
        painter.drawEllipse(QRectF(14.25, 7, 3.5, 3.5));
        painter.drawRoundedRect(QRectF(14.25, 13, 3.5, 12), 1.5, 1.5);
        break;
    }
}

// The desktop theme's own icon where it has one, else one drawn for this screen.
QPixmap sharpIcon(QMessageBox::Icon icon, int size, qreal ratio)
{
    const QString themeName = QString::fromLatin1(wordsFor(icon).themeName);
    if (QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName).pixmap(QSize(size, size), ratio);
    QPixmap picture(QSize(size, size) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.scale(size / 32.0, size / 32.0);
    drawIcon(painter, icon);
    return picture;
}

// The icon is named for a screen reader, which otherwise meets an unnamed picture first.
void sharpenIcon(QMessageBox &box)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    if (!label || box.icon() == QMessageBox::NoIcon)
        return;
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    label->setPixmap(sharpIcon(box.icon(), size, box.devicePixelRatio()));
    label->setAccessibleName(QCoreApplication::translate("MessageBox", wordsFor(box.icon()).spoken));
}

void presentInBox(const QString &text, const QString &title, int style)
{
    QMessageBox box(iconFor(style), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    sharpenIcon(box);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

MessagePresenter &presenter()
{
    static MessagePresenter current = presentInBox;
    return current;
}

// The runtime errors' own names are marked where they are defined; any other error's words are
// shown as they come.
void reportError(const char *name)
{
    ShowMessage(QCoreApplication::translate("RuntimeError", name), kAppTitle, Critical);
}

} // namespace

QString ErrorTitle()
{
    return QCoreApplication::translate("MessageBox", "Error");
}

void ShowMessage(const QString &text, const QString &title, int style)
{
    presenter()(text, title.isEmpty() ? kAppTitle : title, style);
}

MessagePresenter SetMessagePresenter(MessagePresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}

bool RunHandler(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const RuntimeError &error) {
        reportError(error.name());
    } catch (const std::bad_alloc &) {
        reportError(QT_TRANSLATE_NOOP("RuntimeError", "Out of memory"));
    } catch (const std::exception &error) {
        reportError(error.what());
    }
    return false;
}

} // namespace corvane
