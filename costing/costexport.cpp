#include "costing/costexport.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <numeric>

#include "costing/costmodel.h"
#include "numbers/text.h"

namespace corvane {
namespace {

// Numbers line up on the right, words on the left.
constexpr std::array kNumeric{false, true, false, true, true};
constexpr size_t kColumns = kNumeric.size();
using Widths = std::array<double, kColumns>;
// The table's text starts at this size and gets smaller only when its figures would not fit
// across the page. On A4 or Letter the longest figures fit at 7 pt; only a sheet narrower still,
// chosen for printing, takes smaller text, since a small figure can be read and a cut one reads
// as another number.
constexpr double kTablePoints = 10;
constexpr double kSmallestPoints = 4;

QFont pageFont(double points, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// How wide a column's text is on one line (`whole`), and the least it can be: the widest word,
// since words may wrap at their spaces; a figure never wraps, so a figure's least is all of it.
struct ColumnNeed {
    double least = 0;
    double whole = 0;
};

std::array<ColumnNeed, kColumns> columnNeeds(const QList<QStringList> &rows, double points, QPaintDevice &device)
{
    std::array<ColumnNeed, kColumns> needs{};
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QFontMetricsF metrics(pageFont(points, r == 0), &device);
        for (size_t c = 0; c < kColumns; ++c) {
            const QString cell = rows[r].value(int(c));
            const bool figure = kNumeric[c] && r > 0;
            for (const QString &word : figure ? QStringList{cell} : cell.split(QLatin1Char(' ')))
                needs[c].least = std::max(needs[c].least, metrics.horizontalAdvance(word));
            needs[c].whole = std::max(needs[c].whole, metrics.horizontalAdvance(cell));
        }
    }
    return needs;
}

// Each column takes what its text needs on one line, and the page's spare width in the same
// proportion; short of room, the columns whose words wrap give it up, down to their widest word.
// Wider than `width` only when even that is too wide.
Widths columnWidths(const std::array<ColumnNeed, kColumns> &needs, double pad, double width)
{
    double whole = 0;
    double least = 0;
    for (const ColumnNeed &n : needs) {
        whole += n.whole + 2 * pad;
        least += n.least + 2 * pad;
    }
    Widths widths{};
    for (size_t c = 0; c < kColumns; ++c) {
        const ColumnNeed &n = needs[c];
        if (whole <= width)
            widths[c] = (n.whole + 2 * pad) * width / whole;
        else if (least <= width)
            widths[c] = n.least + 2 * pad + (width - least) * (n.whole - n.least) / (whole - least);
        else
            widths[c] = n.least + 2 * pad;
    }
    return widths;
}

struct TableFit {
    double points = kTablePoints;
    Widths widths{};
};

// The largest size at which every figure fits whole across the page.
TableFit fitTable(const QList<QStringList> &rows, double pad, QPaintDevice &device)
{
    for (TableFit fit;; fit.points -= 0.5) {
        fit.widths = columnWidths(columnNeeds(rows, fit.points, device), pad, device.width());
        const double tableWidth = std::accumulate(fit.widths.begin(), fit.widths.end(), 0.0);
        if (tableWidth <= device.width() * 1.000001 || fit.points <= kSmallestPoints)
            return fit;
    }
}

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

QPageSize regionalPageSize()
{
    // The paper setting may name a region the C library has no data for; its country then
    // says which of the two papers it uses.
    const QByteArray name = qEnvironmentVariableIsEmpty("LC_ALL")
                                ? (qEnvironmentVariableIsEmpty("LC_PAPER") ? qgetenv("LANG") : qgetenv("LC_PAPER"))
                                : qgetenv("LC_ALL");
    const QLocale region(QString::fromLocal8Bit(name));
    // The program reads a system without regional settings as the United States.
    if (region.language() == QLocale::C)
        return QPageSize(QPageSize::Letter);
    // Read afresh from the environment into the C library's own paper setting, which nothing else in
    // the program uses; fails when the C library has no data for the region.
    if (std::setlocale(LC_PAPER, "")) {
        // These two items are numbers of millimetres, handed back in the first bytes of a pointer.
        const auto millimetres = [](nl_item item) {
            const char *const answer = nl_langinfo(item);
            unsigned number = 0;
            std::memcpy(&number, &answer, sizeof number);
            return double(number);
        };
        const QSizeF size(millimetres(_NL_PAPER_WIDTH), millimetres(_NL_PAPER_HEIGHT));
        // Near enough to A4 or Letter (the C library rounds Letter to whole millimetres) is that paper.
        if (!size.isEmpty())
            return QPageSize(size, QPageSize::Millimeter);
    }
    // The countries whose regional data in the C library prints on Letter.
    switch (region.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Bolivia:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::CostaRica:
    case QLocale::ElSalvador:
    case QLocale::Guatemala:
    case QLocale::Nicaragua:
    case QLocale::Panama:
    case QLocale::Philippines:
    case QLocale::PuertoRico:
    case QLocale::Venezuela: return QPageSize(QPageSize::Letter);
    default: return QPageSize(QPageSize::A4);
    }
}

bool drawCostPage(const CostTable &table, const QString &date, QPagedPaintDevice &device)
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    const double mm = device.logicalDpiX() / 25.4;
    const double width = device.width();

    double y = 0;
    const auto paragraph = [&](const QString &text, const QFont &f, Qt::Alignment align, double after) {
        p.setFont(f);
        const QRectF box = p.boundingRect(QRectF(0, y, width, 1000 * mm), align | Qt::TextWordWrap, text);
        p.drawText(QRectF(0, y, width, box.height()), align | Qt::TextWordWrap, text);
        y += box.height() + after;
    };
    paragraph(costPageTitle(), pageFont(18, true), Qt::AlignLeft, 1.5 * mm);
    paragraph(date, pageFont(10, false), Qt::AlignLeft, 8 * mm);

    const double pad = 1.8 * mm;
    const QList<QStringList> rows = QList<QStringList>{table.header} + table.rows.mid(0, table.rows.size() - 1);
    const TableFit fit = fitTable(rows, pad, device);
    std::array<double, kColumns + 1> edge{0};
    for (size_t c = 0; c < kColumns; ++c)
        edge[c + 1] = edge[c] + fit.widths[c];
    const double top = y;
    const QPen rule(Qt::black, 0.25 * mm);
    const auto row = [&](const QStringList &cells, bool heading) {
        p.setFont(pageFont(fit.points, heading));
        // Never clipped: the columns were made wide enough, and a figure cut off at its left
        // would read as another number.
        const auto flags = [&](size_t c) {
            const bool figure = kNumeric[c] && !heading;
            return (kNumeric[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::TextDontClip |
                   (figure ? Qt::TextSingleLine : Qt::TextWordWrap);
        };
        double height = 0;
        std::array<QRectF, kColumns> boxes;
        for (size_t c = 0; c < kColumns; ++c) {
            boxes[c] = QRectF(edge[c] + pad, y + pad, fit.widths[c] - 2 * pad, 1000 * mm);
            height = std::max(height, p.boundingRect(boxes[c], flags(c), cells.value(int(c))).height());
        }
        if (heading)
            p.fillRect(QRectF(0, y, edge.back(), height + 2 * pad), QColor(0xE8, 0xE8, 0xE8));
        for (size_t c = 0; c < kColumns; ++c)
            p.drawText(QRectF(boxes[c].topLeft(), QSizeF(boxes[c].width(), height)), flags(c), cells.value(int(c)));
        y += height + 2 * pad;
        p.setPen(rule);
        p.drawLine(QPointF(0, y), QPointF(edge.back(), y));
    };
    for (qsizetype r = 0; r < rows.size(); ++r)
        row(rows[r], r == 0);
    p.setPen(rule);
    p.drawRect(QRectF(0, top, edge.back(), y - top));
    for (size_t c = 1; c + 1 < edge.size(); ++c)
        p.drawLine(QPointF(edge[c], top), QPointF(edge[c], y));

    y += 3 * mm;
    const QString total = table.rows.isEmpty() ? QString() : table.rows.last().value(4);
    paragraph(QCoreApplication::translate("CostExport", "Total: $%1").arg(total), pageFont(12, true), Qt::AlignRight,
              0);
    return p.end();
}

} // namespace corvane
