#include "calculators/block.h"

#include "numbers/text.h"

namespace corvane {
namespace {

// A block's face is 16 inches long and 8 high.
constexpr Double kBlockLengthInches = 16.0;
constexpr Double kBlockHeightInches = 8.0;
constexpr Int16 kInchesPerFoot = 12;

} // namespace

const FormLayout &BlockCalculator::layout() const
{
    static const FormLayout kLayout{
        .name = QStringLiteral("frmBlock"),
        .caption = QT_TR_NOOP("Block Quantities"),
        .client = {3615, 4590},
        .back = kCalculatorBack,
        .border = Border::FixedSingle,
        .controls = {
            TextBox("txtLength", {480, 360, 1215, 285}, 0)
                .labelledBy("Label1")
                .tooltip(QT_TR_NOOP("Wall length, in feet (counted to the nearest whole foot)")),
            TextBox("txtHeight", {1920, 360, 1215, 285}, 1)
                .labelledBy("Label2")
                .tooltip(QT_TR_NOOP("Wall height, in feet (counted to the nearest whole foot)")),
            // The two "Go!" buttons are heard by names of their own.
            Button("cmdGo", QT_TR_NOOP("Go!"), {1320, 1080, 975, 375}, 2)
                .named(QT_TR_NOOP("Go! Count the blocks"))
                .tooltip(QT_TR_NOOP("Count the 16 by 8 inch blocks for the wall")),
            TextBox("txtBlockAmount", {1200, 1560, 1215, 285}, 3)
                .asOutput()
                .labelledBy("Label3")
                .tooltip(QT_TR_NOOP("Number of blocks the wall takes")),
            TextBox("txtPrice", {1200, 2400, 1215, 285}, 4)
                .labelledBy("Label4")
                .tooltip(QT_TR_NOOP("Price of one block, in dollars")),
            Button("cmdGo2", QT_TR_NOOP("Go!"), {1320, 3120, 975, 375}, 5)
                .named(QT_TR_NOOP("Go! Price the blocks"))
                .tooltip(QT_TR_NOOP("Work out the cost of the blocks counted above")),
            TextBox("txtAmount", {1200, 3600, 1215, 285}, 6)
                .asOutput()
                .labelledBy("Label5")
                .tooltip(QT_TR_NOOP("Cost of the blocks, in dollars")),
            Label("Label1", QT_TR_NOOP("Length in Feet"), {480, 720, 1215, 255}, 7).centred(),
            Label("Label2", QT_TR_NOOP("Heigth in Feet"), {1920, 720, 1215, 255}, 8).centred(),
            Label("Label3", QT_TR_NOOP("Amount of Block"), {1200, 1920, 1215, 255}, 9).centred(),
            Label("Label4", QT_TR_NOOP("Price per Block"), {1200, 2760, 1215, 255}, 10).centred(),
            Label("Label5", QT_TR_NOOP("Cost"), {1440, 3960, 735, 255}, 11).centred(),
            Button("cmdAdd", QT_TR_NOOP("Add to Price List"), {1080, 4200, 1455, 255}, 12)
                .tooltip(QT_TR_NOOP("Post the blocks and their cost to the cost list")),
            Label(element("Label6", 0), "$", {1080, 3600, 135, 255}, 13).inFont({"MS Sans Serif", 9.75}),
            Label(element("Label6", 1), "$", {1080, 2400, 135, 255}, 14).inFont({"MS Sans Serif", 9.75}),
            Button("cmdClear", QT_TR_NOOP("Clear All"), {1440, 0, 735, 255}, 15)
                .tooltip(QT_TR_NOOP("Empty every box; the last count and price are kept")),
            Line("Line1", 0, 2280, 3600, 2280),
        }};
    return kLayout;
}

// A rejected dimension is reported and counted as 0, so the user still sees a count.
void BlockCalculator::cmdGo_Click()
{
    Int16 length = 0;
    if (IsNumericText(text("txtLength")))
        length = TextToInt16(text("txtLength"));
    else
        ShowMessage(tr("Please Enter a Number in the Length Box"), ErrorTitle(), Critical);
    const Int16 lengthInches = Int16Mul(length, kInchesPerFoot);

    Int16 height = 0;
    if (IsNumericText(text("txtHeight")))
        height = TextToInt16(text("txtHeight"));
    else
        ShowMessage(tr("Please Enter a Number in the Heigth Box"), ErrorTitle(), Critical);
    const Int16 heightInches = Int16Mul(height, kInchesPerFoot);

    // Part blocks are rounded, half a block to the even neighbour, both along a course and
    // up the wall; there is no allowance for waste, joints or openings.
    const Int16 perCourse = DoubleToInt16(checkedStep(lengthInches / kBlockLengthInches));
    const Int16 courses = DoubleToInt16(checkedStep(heightInches / kBlockHeightInches));
    intBlockAmount = Int16Mul(perCourse, courses);
    setText("txtBlockAmount", Int16ToText(intBlockAmount));
}

// A rejected price is reported and the last accepted one is used again.
void BlockCalculator::cmdGo2_Click()
{
    if (IsNumericText(text("txtPrice")))
        dblCost = TextToDouble(text("txtPrice"));
    else
        ShowMessage(tr("Please Enter a Number in the Price Box"), ErrorTitle(), Critical);
    // Tested before it is kept: an infinite total must never reach the cost list.
    dblPrice = checkedStep(Double(intBlockAmount) * dblCost);
    setText("txtAmount", DoubleToText(dblPrice));
}

void BlockCalculator::cmdAdd_Click()
{
    const QString name = tr("Block");
    const QString line = name + QStringLiteral("   =   ") + Int16ToText(intBlockAmount) + QStringLiteral("   X   $") +
                         DoubleToText(dblCost) + QStringLiteral("   =   $") + DoubleToText(dblPrice);
    postToCosts(Material::Block, line, dblPrice,
                {tr("You already have a Block Total on the Costs List. Please remove the existing one before "
                    "adding a new one."),
                 QString(), NoIcon},
                {name, Int16ToText(intBlockAmount), tr("blocks"), DoubleToText(dblCost), DoubleToText(dblPrice)});
}

// Only the boxes: a price step after clearing still prices the last count.
void BlockCalculator::cmdClear_Click()
{
    setText("txtHeight", QString());
    setText("txtLength", QString());
    setText("txtAmount", QString());
    setText("txtBlockAmount", QString());
    setText("txtPrice", QString());
}

} // namespace corvane
