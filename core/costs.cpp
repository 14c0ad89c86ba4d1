#include "core/costs.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "core/text.h"

namespace corvane {
namespace {

// A removed slot belongs to the first material, in this order, whose slot field names it.
constexpr Material kRemovalOrder[] = {Material::Block, Material::Cement, Material::Gravel, Material::Sand,
                                      Material::Wood};

const QString kFullList = QStringLiteral("The cost list is full: it holds twelve lines. "
                                         "Please remove a line before adding a new one.");

QString slotName(int slot)
{
    return element(QStringLiteral("lblCosts"), slot);
}

QString slotDescription(int slot, const QString &line)
{
    return line.isEmpty() ? QStringLiteral("Line %1, empty").arg(slot)
                          : QStringLiteral("Line %1: %2").arg(slot).arg(line);
}

std::vector<ControlSpec> costControls()
{
    std::vector<ControlSpec> controls{
        Label("Label1", "Costs", {0, 0, 5415, 255}, 15)
            .colours(0x00FF0000, 0x00FFFFFF)
            .inFont({"MS Sans Serif", 8.25})
            .bold()
            .tooltip("Drag here to move the cost list"),
        // Ends at the window's right edge rather than 60 twips past it, where its frame was cut off.
        Button("cmdHide", "Hide", {5400, 0, 435, 255}, 16).tooltip("Hide the cost list; its lines and total are kept"),
        Label("Label2", "Building Supplies and Prices:", {1080, 480, 2760, 255}, 11).centred(),
        // Wider than the column, about the same centre: the caption would not fit otherwise.
        Label("Label4", "Remove:", {4935, 480, 825, 255}, 18).centred(),
    };
    for (int n = 1; n <= CostList::kSlots; ++n) {
        const int left = (n == 1 || n == 12) ? 120 : 75;
        const int width = (n == 1 || n == 11) ? 4650 : n == 12 ? 4575 : 4695;
        const int tab = n == 12 ? 17 : n - 1;
        controls.push_back(
            Label(slotName(n), "", {left, 960 + 480 * (n - 1), width, 255}, tab).named(slotDescription(n, QString())));
    }
    for (int n = 1; n <= CostList::kSlots; ++n)
        controls.push_back(Button(element("cmdRemove", n), "", {5280, 960 + 480 * (n - 1), 255, 255}, 18 + n)
                               .named(QStringLiteral("Remove line %1").arg(n))
                               .tooltip(QStringLiteral("Remove line %1; the lines below it move up").arg(n)));
    controls.insert(
        controls.end(),
        {
            Label("Label3", "Total:", {1766, 6720, 495, 255}, 12).centred(),
            Label("Label6", "$", {2366, 6720, 135, 255}, 14).inFont({"MS Sans Serif", 9.75}).named("Dollars"),
            Label("lblTotalProjectCost", "", {2494, 6720, 1575, 255}, 13).named("Total"),
            Line("Line3", 0, 840, 5880, 840),
            Line("Line2", 4920, 240, 4920, 6600),
            Line("Line1", 0, 6600, 5880, 6600),
            Timer("Timer1", 100),
        });
    return controls;
}

} // namespace

const FormLayout &CostList::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmCosts"),
                                    .caption = QString(),
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
    onTimer("Timer1", [this] { Timer1_Timer(); });

    total_ = controlAs<QLabel>("lblTotalProjectCost");
    view()->setAccessibleName(QStringLiteral("Cost list"));
    window()->setAccessibleName(QStringLiteral("Cost list"));
    control("Line3")->setAccessibleName(QStringLiteral("Rule under the headings"));
    control("Line2")->setAccessibleName(QStringLiteral("Rule between the lines and the remove buttons"));
    control("Line1")->setAccessibleName(QStringLiteral("Rule above the total"));
    grip_.reset();
}

void CostList::Form_Load()
{
    dblBlockCost = 0;
    dblSandCost = 0;
    dblGravelCost = 0;
    dblCementCost = 0;
    dblWoodCost = 0;
    intSandCounter = 0;
    intGravelCounter = 0;
    intBlockCounter = 0;
    intCementCounter = 0;
    intWoodCounter = 0;
    intCounter = 1;
    totalFailureReported_ = false;
}

Double &CostList::costField(Material material)
{
    switch (material) {
    case Material::Block: return dblBlockCost;
    case Material::Cement: return dblCementCost;
    case Material::Gravel: return dblGravelCost;
    case Material::Sand: return dblSandCost;
    case Material::Wood: break;
    }
    return dblWoodCost;
}

Int16 &CostList::slotField(Material material)
{
    switch (material) {
    case Material::Block: return intBlockCounter;
    case Material::Cement: return intCementCounter;
    case Material::Gravel: return intGravelCounter;
    case Material::Sand: return intSandCounter;
    case Material::Wood: break;
    }
    return intWoodCounter;
}

void CostList::post(Material material, const QString &line, Double cost, const DuplicateMessage &duplicate)
{
    Show();
    // Only the cost field counts: a line posted at cost 0 does not block another.
    if (costField(material) != 0)
        return ShowMessage(duplicate.text, duplicate.title, duplicate.style);
    if (intCounter > kSlots)
        return ShowMessage(kFullList, QStringLiteral("Error"), Critical);
    writeSlot(intCounter, line);
    costField(material) = cost;
    slotField(material) = intCounter;
    intCounter = Int16Increment(intCounter);
}

void CostList::cmdRemove_Click(int Index)
{
    if (text(slotName(Index)).isEmpty()) {
        ShowMessage(QStringLiteral("There is no value for you to delete."), QStringLiteral("Error"), Critical);
    } else {
        std::optional<Material> owner;
        for (Material m : kRemovalOrder)
            if (slotField(m) == Index) {
                owner = m;
                break;
            }

        intCounter = Int16Decrement(intCounter);
        for (int k = Index; k <= intCounter - 1; ++k)
            writeSlot(k, text(slotName(k + 1)));
        writeSlot(intCounter, QString());

        if (owner)
            costField(*owner) = 0;
        // The lines below moved up one slot; their slot fields follow them.
        for (Material m : kRemovalOrder)
            if (m != owner && slotField(m) > Index)
                slotField(m) = Int16Decrement(slotField(m));
        if (owner)
            slotField(*owner) = 0;
    }
    if (intCounter == 0)
        intCounter = 1;
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
    default: return false;
    }
}

void CostList::Timer1_Timer()
{
    try {
        dblTotalCost = dblBlockCost + dblSandCost + dblGravelCost + dblCementCost + dblWoodCost;
        checkedStep(dblTotalCost);
    } catch (const FloatingPointError &) {
        // Said once; the box would otherwise come back ten times a second.
        if (std::exchange(totalFailureReported_, true))
            return;
        throw;
    }
    totalFailureReported_ = false;
    showTotal(DoubleToText(dblTotalCost));
}

void CostList::writeSlot(int slot, const QString &line)
{
    const QString name = slotName(slot);
    setText(name, line);
    control(name)->setAccessibleName(slotDescription(slot, line));
}

void CostList::showTotal(const QString &caption)
{
    QLabel *label = total_ ? total_.data() : controlAs<QLabel>("lblTotalProjectCost");
    // An unchanged total is left alone, so ten ticks a second cost no repaint.
    if (label->text() == caption)
        return;
    label->setText(caption);
    label->setAccessibleName(QStringLiteral("Total: $") + caption);
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
