#include "calculators/costlist.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QToolTip>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <unistd.h>
#include <utility>

#include "costing/costexport.h"
#include "numbers/text.h"
#include "ui/prompts.h"

namespace corvane {
namespace {

QString slotName(int slot)
{
    return element(QStringLiteral("lblCosts"), slot);
}

// Heard without the runs of blanks that line the figures up on screen.
QString slotDescription(int slot, const QString &line)
{
    return line.isEmpty() ? CostList::tr("Line %1, empty").arg(slot)
                          : CostList::tr("Line %1: %2").arg(slot).arg(line.simplified());
}

// A remove button is heard with the line it removes, as no key reaches the line itself.
QString removeDescription(int slot, const QString &line)
{
    return line.isEmpty() ? CostList::tr("Remove line %1, empty").arg(slot)
                          : CostList::tr("Remove line %1: %2").arg(slot).arg(line.simplified());
}

std::vector<ControlSpec> costControls()
{
    std::vector<ControlSpec> controls{
        Label("Label1", QT_TRANSLATE_NOOP("frmCosts", "Costs"), {0, 0, 5415, 255}, 15)
            .colours(0x00FF0000, 0x00FFFFFF)
            .inFont({"MS Sans Serif", 8.25})
            .bold()
            .tooltip(QT_TRANSLATE_NOOP("frmCosts", "Drag here to move the cost list. Right-click the list below it "
                                                   "to copy, save, export or print it")),
        // Ends at the window's right edge rather than 60 twips past it, where its frame was cut off.
        Button("cmdHide", QT_TRANSLATE_NOOP("frmCosts", "Hide"), {5400, 0, 435, 255}, 16)
            .tooltip(QT_TRANSLATE_NOOP(
                "frmCosts", "Hide the cost list; its lines and total are kept. To see it again: File > Total Costs")),
        Label("Label2", QT_TRANSLATE_NOOP("frmCosts", "Building Supplies and Prices:"), {1080, 480, 2760, 255}, 11)
            .centred(),
        // Wider than the column, about the same centre: the caption would not fit otherwise.
        Label("Label4", QT_TRANSLATE_NOOP("frmCosts", "Remove:"), {4935, 480, 825, 255}, 18).centred(),
    };
    for (int n = 1; n <= CostList::kSlots; ++n) {
        const int left = (n == 1 || n == 12) ? 120 : 75;
        const int width = (n == 1 || n == 11) ? 4650 : n == 12 ? 4575 : 4695;
        const int tab = n == 12 ? 17 : n - 1;
        controls.push_back(Label(slotName(n), "", {left, 960 + 480 * (n - 1), width, 255}, tab)
                               .named(QT_TRANSLATE_NOOP("frmCosts", "Line %1, empty"))
                               .filledWith({QString::number(n)}));
    }
    for (int n = 1; n <= CostList::kSlots; ++n)
        controls.push_back(Button(element("cmdRemove", n), "", {5280, 960 + 480 * (n - 1), 255, 255}, 18 + n)
                               .named(QT_TRANSLATE_NOOP("frmCosts", "Remove line %1, empty"))
                               .tooltip(QT_TRANSLATE_NOOP("frmCosts", "Remove line %1; the lines below it move up"))
                               .filledWith({QString::number(n)}));
    controls.insert(
        controls.end(),
        {
            Label("Label3", QT_TRANSLATE_NOOP("frmCosts", "Total:"), {1766, 6720, 495, 255}, 12).centred(),
            Label("Label6", "$", {2366, 6720, 135, 255}, 14)
                .inFont({"MS Sans Serif", 9.75})
                .named(QT_TRANSLATE_NOOP("frmCosts", "Dollars")),
            Label("lblTotalProjectCost", "", {2494, 6720, 1575, 255}, 13).named(QT_TRANSLATE_NOOP("frmCosts", "Total")),
            Line("Line3", 0, 840, 5880, 840).named(QT_TRANSLATE_NOOP("frmCosts", "Rule under the headings")),
            Line("Line2", 4920, 240, 4920, 6600)
                .named(QT_TRANSLATE_NOOP("frmCosts", "Rule between the lines and the remove buttons")),
            Line("Line1", 0, 6600, 5880, 6600).named(QT_TRANSLATE_NOOP("frmCosts", "Rule above the total")),
        });
    return controls;
}

// Where a file of the list goes unless the user says otherwise: the documents folder where
// there is one, else the home folder, under a name that says what and when.
QString proposedPath(const QString &suffix)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(
        CostList::tr("cost-list-%1.%2").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")), suffix));
}

QString regionalLongDate()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat);
}

// Why the bytes could not be put in place as `file`; empty once they are. Unbuffered, so that
// a full disk fails a write while the file can still be given up: a buffered save file meets the
// error only in the last flush inside commit(), and this toolkit then puts the cut file in place
// of the old one all the same. Given up, the save file removes what it had written.
QString writeWhole(QSaveFile &file, const QByteArray &bytes)
{
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // A short write is how the disk says it is full; the next one names the reason.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 wrote = file.write(bytes.constData() + done, bytes.size() - done);
        if (wrote <= 0)
            return file.errorString();
        done += wrote;
    }
    // Some file systems find the space missing only when the data leaves the cache.
    if (::fsync(file.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return file.commit() ? QString() : file.errorString();
}

// The file is whole or not there at all: a failure leaves what was there before. The content
// is made in memory first, so only whole bytes meet the disk; `write` says why it could not make it.
// True when the file was saved.
bool saveWhole(const QString &path, const std::function<QString(QIODevice &)> &write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSaveFile file(path);
    QString failure = buffer.open(QIODevice::WriteOnly) ? write(buffer) : buffer.errorString();
    if (failure.isEmpty())
        failure = writeWhole(file, bytes);
    if (failure.isEmpty())
        return true;
    ShowMessage(
        CostList::tr("The cost list could not be saved as \"%1\".\n\n%2").arg(QDir::toNativeSeparators(path), failure),
        ErrorTitle(), Critical);
    return false;
}

// A printer by its name, or the file it prints into.
QString printerName(const QPrinter &printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName()
                                              : QDir::toNativeSeparators(printer.outputFileName());
}

// Why the list could not be drawn on `paper`; empty once it is.
QString pageFailure(PageResult result, const QPageLayout &paper)
{
    switch (result) {
    case PageResult::Drawn: return {};
    case PageResult::DeviceFailed: return CostList::tr("The page could not be made.");
    case PageResult::PaperTooNarrow:
        return CostList::tr("The list's figures do not fit on %1, even in the smallest type.").arg(paperName(paper));
    case PageResult::PaperTooShort:
        return CostList::tr("%1 is too short for the list, even with one line to a page.").arg(paperName(paper));
    }
    return {};
}

// Paper that would hold the list where the page was refused for its paper.
std::optional<QPageLayout> betterPaper(PageResult result, const CostTable &table, const QString &date,
                                       const QPagedPaintDevice &device)
{
    if (result != PageResult::PaperTooNarrow && result != PageResult::PaperTooShort)
        return std::nullopt;
    return paperThatHolds(table, date, device.pageLayout(), device.logicalDpiX());
}

} // namespace

const FormLayout &CostList::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmCosts"),
                                    .caption = QString(),
                                    .spokenName = QT_TR_NOOP("Cost list"),
                                    .client = {5835, 6975},
                                    .back = kCalculatorBack,
                                    .icon = false,
                                    .controlBox = false,
                                    .controls = costControls()};
    return kLayout;
}

void CostList::wire()
{
    onClick("cmdHide", &CostList::cmdHide_Click);
    for (int n = 1; n <= kSlots; ++n) {
        onClick(element("cmdRemove", n), [this, n] { cmdRemove_Click(n); });
        onEvent(slotName(n), [this, name = slotName(n)](QEvent *event) { return explainClippedLine(name, event); });
    }
    onEvent("Label1", [this](QEvent *event) { return dragByTitle(event); });

    total_ = controlAs<QLabel>("lblTotalProjectCost");
    // Where a language's word for it is too wide for the button, its caption is a sign; it is still
    // heard as the word.
    control("cmdHide")->setAccessibleName(tr("Hide", "spoken name"));
    grip_.reset();

    // The list's own menu: right-click, the Menu key or Shift+F10 anywhere on it but the title
    // strip, which drags with every button. A click on a label leaves the focus on the frame, so
    // the frame offers the menu and answers the shortcuts too.
    view()->setContextMenuPolicy(Qt::ActionsContextMenu);
    window()->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window(), nullptr, nullptr,
                                  Qt::WidgetWithChildrenShortcut);
    // The toolkit turns the Menu key into a request for the menu on this desktop, but not Shift+F10.
    QObject::connect(menuKey, &QShortcut::activated, window(), [this] {
        QWidget *at = QApplication::focusWidget();
        if (!at || !window()->isAncestorOf(at))
            at = window();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at->rect().center(),
                                  at->mapToGlobal(at->rect().center()));
        QApplication::sendEvent(at, &request);
    });
    addAction("itmCopyCosts", tr("&Copy"), QKeySequence::Copy, &CostList::itmCopyCosts_Click);
    addAction("itmSaveCosts", tr("&Save as CSV..."), QKeySequence::Save, &CostList::itmSaveCosts_Click);
    addAction("itmExportCostsPdf", tr("&Export as PDF..."), QKeySequence(), &CostList::itmExportCostsPdf_Click);
    addAction("itmPrintCosts", tr("&Print..."), QKeySequence::Print, &CostList::itmPrintCosts_Click);
    // Tied to the controls, so a change after an unload finds nothing to draw on.
    QObject::connect(&model_, &CostModel::changed, view(), [this] { RunHandler([this] { draw(); }); });
}

QAction *CostList::addAction(const QString &name, const QString &text, const QKeySequence &keys,
                             void (CostList::*handler)())
{
    auto *action = new QAction(text, view());
    action->setObjectName(name);
    action->setShortcut(keys);
    // Only while the list is the active window: elsewhere the same keys belong to the text boxes.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(action, &QAction::triggered, action,
                     [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
    view()->addAction(action);
    window()->addAction(action);
    return action;
}

void CostList::Form_Load()
{
    totalFailureReported_ = false;
    model_.load();
}

void CostList::post(Material material, const QString &line, Double cost, const DuplicateMessage &duplicate,
                    const CostRecord &record)
{
    Show();
    // With no main window left to hold the list, nothing is posted where nobody could see it.
    if (!isLoaded())
        return;
    switch (model_.post(material, line, cost, record)) {
    case CostModel::Posted::Duplicate: return ShowMessage(duplicate.text, duplicate.title, duplicate.style);
    case CostModel::Posted::Full:
        return ShowMessage(tr("The cost list is full: it holds twelve lines. Please remove a line before adding a new "
                              "one."),
                           ErrorTitle(), Critical);
    case CostModel::Posted::Yes: break;
    }
    const int slot = model_.intCounter - 1;
    announceChange(tr("%1 added").arg(slotDescription(slot, model_.line(slot))));
}

void CostList::cmdRemove_Click(int Index)
{
    const QString removed = tr("%1 removed").arg(slotDescription(Index, model_.line(Index)));
    if (!model_.remove(Index))
        return ShowMessage(tr("There is no value for you to delete."), ErrorTitle(), Critical);
    announceChange(removed);
}

// Every change is heard with the total it leaves, unless the total could not be worked out,
// which its own message reports.
void CostList::announceChange(const QString &change)
{
    announce(model_.totalFailed() ? change : tr("%1. Total: $%2").arg(change, model_.totalText()));
}

void CostList::cmdHide_Click()
{
    Hide();
}

void CostList::Label1_MouseDown(QMouseEvent *event)
{
    QWidget *frame = window();
    grip_ = frame->mapFromGlobal(event->globalPosition().toPoint());
    // Taking hold of a window brings it to the front, as its title bar would.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(frame); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
    frame->raise();
}

bool CostList::dragByTitle(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!grip_)
            Label1_MouseDown(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        // A drag whose release went elsewhere (a message box took the pointer) must not
        // carry on with the next plain hover.
        if (mouse->buttons() == Qt::NoButton)
            grip_.reset();
        if (!grip_)
            return false;
        QWidget *frame = window();
        QWidget *client = frame->parentWidget();
        if (!client)
            return true;
        const QPoint to = client->mapFromGlobal(mouse->globalPosition().toPoint()) - *grip_;
        const int right = std::max(0, client->width() - frame->width());
        const int bottom = std::max(0, client->height() - frame->height());
        frame->move(std::clamp(to.x(), 0, right), std::clamp(to.y(), 0, bottom));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton)
            grip_.reset();
        return true;
    case QEvent::Hide: grip_.reset(); return false;
    // A right-click here drags; the list's menu is for the rest of it.
    case QEvent::ContextMenu: return static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Mouse;
    default: return false;
    }
}

void CostList::draw()
{
    if (!isLoaded())
        return;
    for (int n = 1; n <= kSlots; ++n) {
        const QString name = slotName(n);
        const QString &line = model_.line(n);
        if (text(name) == line)
            continue;
        setText(name, line);
        control(name)->setAccessibleName(slotDescription(n, line));
        control(element("cmdRemove", n))->setAccessibleName(removeDescription(n, line));
    }
    for (QAction *action : view()->actions())
        action->setEnabled(model_.hasLines());
    showTotal(model_.totalText());
    if (!model_.totalFailed()) {
        totalFailureReported_ = false;
        return;
    }
    // Said once; every later change that keeps the sum beyond reach would say it again.
    if (!std::exchange(totalFailureReported_, true))
        throw FloatingPointError();
}

void CostList::itmCopyCosts_Click()
{
    QGuiApplication::clipboard()->setText(costTableAsText(costTable(model_)));
}

void CostList::itmSaveCosts_Click()
{
    const QString path =
        AskSaveFileName(tr("Save the Cost List"), proposedPath(QStringLiteral("csv")), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const QByteArray csv = costTableAsCsv(costTable(model_), regionalCsvSeparator());
    saveWhole(path, [&](QIODevice &file) { return file.write(csv) == csv.size() ? QString() : file.errorString(); });
}

void CostList::itmExportCostsPdf_Click()
{
    const QString path = AskSaveFileName(tr("Export the Cost List as PDF"), proposedPath(QStringLiteral("pdf")),
                                         tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    const CostTable table = costTable(model_);
    const QString date = regionalLongDate();
    // The paper setting cannot be changed from here, nor take effect before the program starts
    // again, so a list it cannot hold goes on paper that does, and the user is told.
    QString otherPaper;
    const bool saved = saveWhole(path, [&](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(costPageTitle());
        pdf.setCreator(kAppTitle);
        pdf.setPageSize(regionalPageSize());
        setCostPageMargins(pdf);
        PageResult result = drawCostPage(table, date, pdf);
        if (const std::optional<QPageLayout> paper = betterPaper(result, table, date, pdf)) {
            otherPaper = pageFailure(result, pdf.pageLayout()) + QStringLiteral("\n\n") +
                         tr("The PDF was made on %1 instead.").arg(paperName(*paper));
            pdf.setPageLayout(*paper);
            result = drawCostPage(table, date, pdf);
        }
        return pageFailure(result, pdf.pageLayout());
    });
    if (saved && !otherPaper.isEmpty())
        ShowMessage(otherPaper, QString(), Information);
}

void CostList::itmPrintCosts_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(costPageTitle());
    // The page size stays the printer's own, for the dialog to change.
    setCostPageMargins(printer);
    const QMarginsF ours = printer.pageLayout().margins(QPageLayout::Millimeter);
    if (!AskPrinter(printer))
        return;
    // Margins the dialog left as they were suit the paper chosen in it.
    if (printer.pageLayout().margins(QPageLayout::Millimeter) == ours)
        setCostPageMargins(printer);
    const CostTable table = costTable(model_);
    const QString date = regionalLongDate();
    // A page that cannot be started ends the job, where the printing system can drop one, rather than print the
    // pages before it.
    const PageResult result = drawCostPage(table, date, printer, [&] { printer.abort(); });
    QString failure = pageFailure(result, printer.pageLayout());
    if (failure.isEmpty())
        return;
    if (const std::optional<QPageLayout> paper = betterPaper(result, table, date, printer))
        failure += QStringLiteral("\n\n") + tr("Print it on %1.").arg(paperName(*paper));
    ShowMessage(tr("The cost list could not be printed on \"%1\".\n\n%2").arg(printerName(printer), failure),
                ErrorTitle(), Critical);
}

void CostList::showTotal(const QString &caption)
{
    QLabel *label = total_ ? total_.data() : controlAs<QLabel>("lblTotalProjectCost");
    // An unchanged total is left alone, so a change to the lines alone costs it no repaint.
    if (label->text() == caption)
        return;
    label->setText(caption);
    label->setAccessibleName(tr("Total: $%1").arg(caption));
    // No key takes the focus to the total, so the list is named with it: it is heard whenever the
    // keyboard comes into the list.
    const QString named = tr("%1, total $%2").arg(layout().translate(layout().spokenName), caption);
    view()->setAccessibleName(named);
    window()->setAccessibleName(named);
}

bool CostList::explainClippedLine(const QString &name, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    // A long line runs past its slot; the tip shows the whole of it.
    auto *label = controlAs<QLabel>(name);
    if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), label->text(), label);
    else
        QToolTip::hideText();
    return true;
}

} // namespace corvane
