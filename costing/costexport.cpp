#include "costing/costexport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <numeric>
#include <optional>

#include "costing/costmodel.h"
#include "numbers/text.h"

namespace corvane {
namespace {

// Numbers line up on the right, words on the left.
constexpr std::array kNumeric{false, true, false, true, true};
constexpr size_t kColumns = kNumeric.size();
using Widths = std::array<double, kColumns>;
// The table's text starts at this size and gets smaller only when its figures would not fit
// across the page. On A4 or Letter the longest figures fit at 7 pt; only a sheet narrower still
// takes smaller text, since a small figure can be read and a cut one reads as another number.
// Below the smallest size the page is refused rather than printed in part.
constexpr double kTablePoints = 10;
constexpr double kSmallestPoints = 4;
// The blank around a cell's text grows with the type: 1.8 mm at 10 pt.
constexpr double kPadMillimetresPerPoint = 0.18;

QFont pageFont(double points, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Taller than any page, for measuring text that wraps.
constexpr double kUnbounded = 1e7;

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
    double pad = 0;
    Widths widths{};
};

// The largest size at which every figure fits whole across the page; none when not even the
// smallest does.
std::optional<TableFit> fitTable(const QList<QStringList> &rows, QPaintDevice &device)
{
    const double mm = device.logicalDpiX() / 25.4;
    for (TableFit fit; fit.points >= kSmallestPoints; fit.points -= 0.5) {
        fit.pad = kPadMillimetresPerPoint * fit.points * mm;
        fit.widths = columnWidths(columnNeeds(rows, fit.points, device), fit.pad, device.width());
        if (std::accumulate(fit.widths.begin(), fit.widths.end(), 0.0) <= device.width() * 1.000001)
            return fit;
    }
    return std::nullopt;
}

// A paragraph of words that wrap at their spaces, in the largest type up to `points` in which its
// widest word fits the page; none when not even the smallest does.
struct Paragraph {
    QString text;
    QFont font;
    double height = 0;
};

std::optional<Paragraph> fitParagraph(const QString &text, double points, bool bold, QPaintDevice &device)
{
    for (; points >= kSmallestPoints; points -= 0.5) {
        const QFontMetricsF metrics(pageFont(points, bold), &device);
        const QStringList words = text.split(QLatin1Char(' '));
        if (std::all_of(words.begin(), words.end(),
                        [&](const QString &w) { return metrics.horizontalAdvance(w) <= device.width(); }))
            return Paragraph{
                text, pageFont(points, bold),
                metrics.boundingRect(QRectF(0, 0, device.width(), kUnbounded), Qt::TextWordWrap, text).height()};
    }
    return std::nullopt;
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

// The page laid out before a stroke is drawn, so that a list that does not fit is refused whole
// rather than printed in part.
struct PagePlan {
    Paragraph title;
    Paragraph date;
    Paragraph total;
    // "1 / 3", at the foot of every page when there are several.
    Paragraph number;
    TableFit fit;
    // The heading, then the lines, and the height of each.
    QList<QStringList> rows;
    QList<double> heights;
    // The lines on each page, by their row; the total goes below the last.
    QList<QList<qsizetype>> pages;
};

QString pageNumber(qsizetype page, qsizetype pages)
{
    return QStringLiteral("%1 / %2").arg(page).arg(pages);
}

// Figures on one line, whole; words wrap.
int cellFlags(size_t column, bool heading)
{
    const bool figure = kNumeric[column] && !heading;
    return (kNumeric[column] ? Qt::AlignRight : Qt::AlignLeft) | Qt::TextDontClip |
           (figure ? Qt::TextSingleLine : Qt::TextWordWrap);
}

double rowHeight(const QStringList &cells, bool heading, const TableFit &fit, QPaintDevice &device)
{
    const QFontMetricsF metrics(pageFont(fit.points, heading), &device);
    double height = 0;
    for (size_t c = 0; c < kColumns; ++c) {
        const QRectF box(0, 0, fit.widths[c] - 2 * fit.pad, kUnbounded);
        height = std::max(height, metrics.boundingRect(box, cellFlags(c, heading), cells.value(int(c))).height());
    }
    return height + 2 * fit.pad;
}

// The lines in order, each on the page it fits on under the heading, which every page repeats; a
// line that does not fit starts the next page, and the last one goes there with the total that
// must stand below it. A page is never left without a line: a line that does not fit on a page
// of its own (the first under the title and the date) means the paper cannot hold the list.
bool paginate(PagePlan &plan, double firstTop, double totalNeed, double height)
{
    plan.pages = {{}};
    double y = firstTop;
    for (qsizetype r = 1; r < plan.rows.size(); ++r) {
        const double below = r + 1 == plan.rows.size() ? totalNeed : 0;
        if (!plan.pages.back().isEmpty() && y + plan.heights[r] + below > height) {
            plan.pages.append(QList<qsizetype>());
            y = 0;
        }
        y += (plan.pages.back().isEmpty() ? plan.heights[0] : 0) + plan.heights[r];
        if (y + below > height)
            return false;
        plan.pages.back().append(r);
    }
    return plan.rows.size() > 1 || y + totalNeed <= height;
}

PageResult planPage(const CostTable &table, const QString &date, QPaintDevice &device, PagePlan &plan)
{
    const double mm = device.logicalDpiX() / 25.4;
    plan.rows = QList<QStringList>{table.header} + table.rows.mid(0, table.rows.size() - 1);
    const QString total = table.rows.isEmpty() ? QString() : table.rows.last().value(4);
    const std::optional<TableFit> fit = fitTable(plan.rows, device);
    const std::optional<Paragraph> title = fitParagraph(costPageTitle(), 18, true, device);
    const std::optional<Paragraph> dated = fitParagraph(date, 10, false, device);
    const std::optional<Paragraph> totalled =
        fitParagraph(QCoreApplication::translate("CostExport", "Total: $%1").arg(total), 12, true, device);
    // Measured for the most pages there can be, one a line.
    const std::optional<Paragraph> number =
        fitParagraph(pageNumber(plan.rows.size(), plan.rows.size()), 8, false, device);
    if (!fit || !title || !dated || !totalled || !number)
        return PageResult::PaperTooNarrow;
    plan.fit = *fit, plan.title = *title, plan.date = *dated, plan.total = *totalled, plan.number = *number;
    for (qsizetype r = 0; r < plan.rows.size(); ++r)
        plan.heights.append(rowHeight(plan.rows[r], r == 0, plan.fit, device));
    const double firstTop = plan.title.height + 1.5 * mm + plan.date.height + 8 * mm;
    const double totalNeed = 3 * mm + plan.total.height;
    // A list that does not fit on one page goes on pages that each keep room at their foot for
    // their number.
    const double oneLong = firstTop + std::accumulate(plan.heights.begin(), plan.heights.end(), 0.0) + totalNeed;
    const double room = oneLong <= device.height() ? device.height() : device.height() - 2 * mm - plan.number.height;
    return paginate(plan, firstTop, totalNeed, room) ? PageResult::Drawn : PageResult::PaperTooShort;
}

// Returns where the paragraph ends.
double drawParagraph(QPainter &p, const Paragraph &paragraph, Qt::Alignment align, double y)
{
    p.setFont(paragraph.font);
    p.drawText(QRectF(0, y, p.device()->width(), paragraph.height), int(align | Qt::TextWordWrap), paragraph.text);
    return y + paragraph.height;
}

// The heading and the lines of one page, ruled; returns where the table ends.
double drawTable(QPainter &p, const PagePlan &plan, const QList<qsizetype> &lines, double y)
{
    if (lines.isEmpty())
        return y;
    const TableFit &fit = plan.fit;
    std::array<double, kColumns + 1> edge{0};
    for (size_t c = 0; c < kColumns; ++c)
        edge[c + 1] = edge[c] + fit.widths[c];
    const double top = y;
    const QPen rule(Qt::black, 0.25 * p.device()->logicalDpiX() / 25.4);
    for (const qsizetype r : QList<qsizetype>{0} + lines) {
        const bool heading = r == 0;
        const double height = plan.heights[r];
        if (heading)
            p.fillRect(QRectF(0, y, edge.back(), height), QColor(0xE8, 0xE8, 0xE8));
        p.setFont(pageFont(fit.points, heading));
        // Never clipped: the columns were made wide enough, and a figure cut off at its left
        // would read as another number.
        for (size_t c = 0; c < kColumns; ++c)
            p.drawText(QRectF(edge[c] + fit.pad, y + fit.pad, fit.widths[c] - 2 * fit.pad, height - 2 * fit.pad),
                       cellFlags(c, heading), plan.rows[r].value(int(c)));
        y += height;
        p.setPen(rule);
        p.drawLine(QPointF(0, y), QPointF(edge.back(), y));
    }
    p.drawRect(QRectF(0, top, edge.back(), y - top));
    for (size_t c = 1; c + 1 < edge.size(); ++c)
        p.drawLine(QPointF(edge[c], top), QPointF(edge[c], y));
    return y;
}

// The region whose paper the page takes; it may name one the C library has no data for, whose
// country then says which paper it uses.
QLocale paperRegion()
{
    const QByteArray name = qEnvironmentVariableIsEmpty("LC_ALL")
                                ? (qEnvironmentVariableIsEmpty("LC_PAPER") ? qgetenv("LANG") : qgetenv("LC_PAPER"))
                                : qgetenv("LC_ALL");
    return QLocale(QString::fromLocal8Bit(name));
}

// In millimetres.
QMarginsF costPageMargins(QPageLayout page)
{
    page.setUnits(QPageLayout::Millimeter);
    const QSizeF paper = page.fullRect().size();
    const double wanted = std::min(20.0, std::min(paper.width(), paper.height()) / 10);
    const QMarginsF least = page.minimumMargins();
    return QMarginsF(std::max(wanted, least.left()), std::max(wanted, least.top()), std::max(wanted, least.right()),
                     std::max(wanted, least.bottom()));
}

// Whether the list goes on `paper`, laid out as it would be drawn there.
bool holds(const CostTable &table, const QString &date, const QPageLayout &paper, int resolution)
{
    QBuffer nowhere;
    nowhere.open(QIODevice::WriteOnly);
    QPdfWriter measure(&nowhere);
    measure.setResolution(resolution);
    measure.setPageLayout(paper);
    PagePlan plan;
    return planPage(table, date, measure, plan) == PageResult::Drawn;
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
    // Read afresh from the environment into the C library's own paper setting, which nothing else in
    // the program uses; fails when the C library has no data for the region. The program reads a
    // system without regional settings as the United States, whatever the C library's default.
    if (paperRegion().language() != QLocale::C && std::setlocale(LC_PAPER, "")) {
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
    return standardPageSize();
}

QPageSize standardPageSize()
{
    const QLocale region = paperRegion();
    if (region.language() == QLocale::C)
        return QPageSize(QPageSize::Letter);
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

void setCostPageMargins(QPagedPaintDevice &device)
{
    device.setPageMargins(costPageMargins(device.pageLayout()), QPageLayout::Millimeter);
}

PageResult drawCostPage(const CostTable &table, const QString &date, QPagedPaintDevice &device,
                        const std::function<void()> &abandon)
{
    PagePlan plan;
    if (const PageResult planned = planPage(table, date, device, plan); planned != PageResult::Drawn)
        return planned;
    QPainter p;
    if (!p.begin(&device))
        return PageResult::DeviceFailed;
    const double mm = device.logicalDpiX() / 25.4;
    const qsizetype pages = plan.pages.size();
    for (qsizetype page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) {
            if (abandon)
                abandon();
            return PageResult::DeviceFailed;
        }
        double y = 0;
        if (page == 0) {
            y = drawParagraph(p, plan.title, Qt::AlignLeft, y) + 1.5 * mm;
            y = drawParagraph(p, plan.date, Qt::AlignLeft, y) + 8 * mm;
        }
        y = drawTable(p, plan, plan.pages[page], y);
        if (page + 1 == pages)
            drawParagraph(p, plan.total, Qt::AlignRight, y + 3 * mm);
        if (pages > 1) {
            plan.number.text = pageNumber(page + 1, pages);
            drawParagraph(p, plan.number, Qt::AlignHCenter, device.height() - plan.number.height);
        }
    }
    return p.end() ? PageResult::Drawn : PageResult::DeviceFailed;
}

QString paperName(const QPageLayout &paper)
{
    const QPageSize size = paper.pageSize();
    static const QRegularExpression series(QStringLiteral("^[AB]\\d+$"));
    QString name;
    if (size.id() == QPageSize::Letter)
        name = QCoreApplication::translate("CostExport", "Letter paper");
    else if (size.id() == QPageSize::Legal)
        name = QCoreApplication::translate("CostExport", "Legal paper");
    else if (series.match(size.key()).hasMatch())
        name = QCoreApplication::translate("CostExport", "%1 paper").arg(size.key());
    else
        name = QCoreApplication::translate("CostExport", "%1 × %2 mm paper")
                   .arg(qRound(size.size(QPageSize::Millimeter).width()))
                   .arg(qRound(size.size(QPageSize::Millimeter).height()));
    return paper.orientation() == QPageLayout::Landscape
               ? QCoreApplication::translate("CostExport", "%1 turned sideways").arg(name)
               : name;
}

std::optional<QPageLayout> paperThatHolds(const CostTable &table, const QString &date, const QPageLayout &refused,
                                          int resolution)
{
    QPageLayout turned = refused;
    turned.setOrientation(refused.orientation() == QPageLayout::Portrait ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    QPageLayout standard(standardPageSize(), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    standard.setMargins(costPageMargins(standard));
    if (holds(table, date, turned, resolution))
        return turned;
    // The refused paper with other margins would be no news to its user.
    const bool same =
        standard.pageSize().isEquivalentTo(refused.pageSize()) && refused.orientation() == QPageLayout::Portrait;
    if (!same && holds(table, date, standard, resolution))
        return standard;
    return std::nullopt;
}

} // namespace corvane
