// The cost list as a table for other programs: the clipboard's tab-separated text, a CSV file
// for spreadsheets, and one printed or PDF page.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QStringList>
#include <functional>
#include <optional>

class QPagedPaintDevice;

namespace corvane {

class CostModel;

struct CostTable {
    QStringList header;
    // One row per line, in slot order, then the total row.
    QList<QStringList> rows;
};

CostTable costTable(const CostModel &model);
// The heading of the page, and the name of the document that carries it.
QString costPageTitle();

// Tab-separated, one row a line, so that a paste into a spreadsheet fills columns.
QString costTableAsText(const CostTable &table);
// RFC 4180 in UTF-8. Spreadsheets split on a comma where the decimal separator is a point, and on
// a semicolon where it is a comma, so the separator follows the region.
QByteArray costTableAsCsv(const CostTable &table, QChar separator);
QChar regionalCsvSeparator();

// The paper of the user's paper setting (LC_PAPER): A4, Letter or a size of its own; Letter
// with no regional settings at all.
QPageSize regionalPageSize();
// The paper the region's country prints on, A4 or Letter, whatever size the paper setting gives.
QPageSize standardPageSize();
// 20 mm all round, as on A4 and Letter; a paper too small to spare that (A6 and smaller, a till
// roll) keeps a tenth of its shorter side, and never less than the printer needs.
void setCostPageMargins(QPagedPaintDevice &device);

enum class PageResult { Drawn, DeviceFailed, PaperTooNarrow, PaperTooShort };
// Draws the list on as many pages as it takes: a title, the date, the ruled table with its heading
// on every page, the total below the last line, and "1 / 3" at the foot of each page of several,
// as text that can be selected and searched. Every page holds at least one line, the first below
// the title and the date. Every line and the total are drawn whole or, when a figure would not fit
// across the paper even in the smallest type, or the pages cannot be laid out so, nothing is.
// `abandon` is called when a page cannot be started, while the device is still open, so that a
// printer can drop the job rather than print the pages made so far.
PageResult drawCostPage(const CostTable &table, const QString &date, QPagedPaintDevice &device,
                        const std::function<void()> &abandon = {});

// Paper as its user knows it, in the user's language: "A7 paper", "Letter paper", "58 × 30 mm
// paper", "turned sideways" when it is.
QString paperName(const QPageLayout &paper);
// Paper that holds the list where `refused` did not, as a user can choose it: the same paper turned
// sideways, else the region's standard paper with the page's own margins; none when neither does.
// Tried at the refused device's resolution, as it would be drawn there.
std::optional<QPageLayout> paperThatHolds(const CostTable &table, const QString &date, const QPageLayout &refused,
                                          int resolution);

} // namespace corvane
