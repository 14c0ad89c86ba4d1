#include "costing/costexport.h"

#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>

#include "costing/costmodel.h"
#include "numbers/text.h"

namespace corvane {
namespace {

// Numbers line up on the right, words on the left.
constexpr std::array kNumeric{false, true, false, true, true};
// Shares of the page's width.
constexpr std::array kColumnWidths{0.22, 0.14, 0.34, 0.15, 0.15};

QString csvField(const QString &field, QChar separator)
{
    if (!field.contains(separator) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n')) &&
        !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString costPageTitle()
{
    return QCoreApplication::translate("CostExport", "Cost List");
}

CostTable costTable(const CostModel &model)
{
    CostTable table;
    table.header = {
        QCoreApplication::translate("CostExport", "Item"), QCoreApplication::translate("CostExport", "Quantity"),
        QCoreApplication::translate("CostExport", "Unit"), QCoreApplication::translate("CostExport", "Unit price"),
        QCoreApplication::translate("CostExport", "Cost")};
    for (int slot = 1; slot <= CostModel::kSlots; ++slot) {
        if (model.line(slot).isEmpty())
            continue;
        const CostRecord &r = model.record(slot);
        table.rows.append({r.item, r.quantity, r.unit, r.unitPrice, r.cost});
    }
    table.rows.append(
        {QCoreApplication::translate("CostExport", "Total"), QString(), QString(), QString(), model.totalText()});
    return table;
}

QString costTableAsText(const CostTable &table)
{
    QString text;
    for (const QStringList &row : QList<QStringList>{table.header} + table.rows) {
        QStringList cells = row;
        // A tab or a line break inside a cell would start a new column or row.
        for (QString &cell : cells)
            cell = cell.simplified();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QByteArray costTableAsCsv(const CostTable &table, QChar separator)
{
    // The byte order mark lets spreadsheets that guess the encoding read "m³" as UTF-8.
    QString csv = QChar(0xFEFF);
    for (const QStringList &row : QList<QStringList>{table.header} + table.rows) {
        QStringList fields;
        for (const QString &cell : row)
            fields << csvField(cell, separator);
        csv += fields.join(separator) + QLatin1String("\r\n");
    }
    return csv.toUtf8();
}

QChar regionalCsvSeparator()
{
    return SystemRegional().decimal == u',' ? QLatin1Char(';') : QLatin1Char(',');
}

QPageSize::PageSizeId regionalPageSize()
{
    const QLocale locale = QLocale::system();
    // The program reads a system without regional settings as the United States.
    if (locale.language() == QLocale::C)
        return QPageSize::Letter;
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::Philippines:
    case QLocale::PuertoRico:
    case QLocale::Venezuela: return QPageSize::Letter;
    default: return QPageSize::A4;
    }
}

bool drawCostPage(const CostTable &table, const QString &date, QPagedPaintDevice &device)
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    const double mm = device.logicalDpiX() / 25.4;
    const double width = device.width();
    const auto font = [](double points, bool bold) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    };

    double y = 0;
    const auto paragraph = [&](const QString &text, const QFont &f, Qt::Alignment align, double after) {
        p.setFont(f);
        const QRectF box = p.boundingRect(QRectF(0, y, width, 1000 * mm), align | Qt::TextWordWrap, text);
        p.drawText(QRectF(0, y, width, box.height()), align | Qt::TextWordWrap, text);
        y += box.height() + after;
    };
    paragraph(costPageTitle(), font(18, true), Qt::AlignLeft, 1.5 * mm);
    paragraph(date, font(10, false), Qt::AlignLeft, 8 * mm);

    std::array<double, 6> edge{0};
    for (size_t c = 0; c < kColumnWidths.size(); ++c)
        edge[c + 1] = edge[c] + kColumnWidths[c] * width;
    const double pad = 1.8 * mm;
    const double top = y;
    const QPen rule(Qt::black, 0.25 * mm);
    const auto row = [&](const QStringList &cells, bool heading) {
        p.setFont(font(10, heading));
        double height = 0;
        std::array<QRectF, 5> boxes;
        for (size_t c = 0; c < boxes.size(); ++c) {
            boxes[c] = QRectF(edge[c] + pad, y + pad, edge[c + 1] - edge[c] - 2 * pad, 1000 * mm);
            const int flags = (kNumeric[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::TextWordWrap;
            height = std::max(height, p.boundingRect(boxes[c], flags, cells.value(int(c))).height());
        }
        if (heading)
            p.fillRect(QRectF(0, y, width, height + 2 * pad), QColor(0xE8, 0xE8, 0xE8));
        for (size_t c = 0; c < boxes.size(); ++c) {
            const int flags = (kNumeric[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::TextWordWrap;
            p.drawText(QRectF(boxes[c].topLeft(), QSizeF(boxes[c].width(), height)), flags, cells.value(int(c)));
        }
        y += height + 2 * pad;
        p.setPen(rule);
        p.drawLine(QPointF(0, y), QPointF(width, y));
    };
    const QList<QStringList> lines = table.rows.mid(0, table.rows.size() - 1);
    row(table.header, true);
    for (const QStringList &line : lines)
        row(line, false);
    p.setPen(rule);
    p.drawRect(QRectF(0, top, width, y - top));
    for (size_t c = 1; c + 1 < edge.size(); ++c)
        p.drawLine(QPointF(edge[c], top), QPointF(edge[c], y));

    y += 3 * mm;
    const QString total = table.rows.isEmpty() ? QString() : table.rows.last().value(4);
    paragraph(QCoreApplication::translate("CostExport", "Total: $%1").arg(total), font(12, true), Qt::AlignRight, 0);
    return p.end();
}

} // namespace corvane
