#include "calculators/wallframing.h"

#include "numbers/text.h"

namespace corvane {
namespace {

constexpr Int16 kInchesPerFoot = 12;
// Inches added to every wall's total, over the studs and the three runs of the wall's length.
constexpr Int16 kAllowanceInches = 2;

} // namespace

const FormLayout &WallFramingCalculator::layout() const
{
    static const FormLayout kLayout{
        .name = QStringLiteral("frmWallFraming"),
        .caption = QT_TR_NOOP("Wall Framing"),
        .client = {3615, 6375},
        .back = kCalculatorBack,
        .border = Border::FixedSingle,
        .controls = {
            TextBox("txtLength", {480, 360, 1215, 285}, 0)
                .labelledBy("Label1")
                .tooltip(QT_TR_NOOP("Wall length, in feet")),
            TextBox("txtHeight", {1920, 360, 1215, 285}, 1)
                .labelledBy("Label2")
                .tooltip(QT_TR_NOOP("Wall height, in feet")),
            // The two "Go!" buttons are heard by names of their own.
            Button("cmdGo", QT_TR_NOOP("Go!"), {1320, 3000, 975, 375}, 2)
                .named(QT_TR_NOOP("Go! Count the boards"))
                .tooltip(QT_TR_NOOP("Count the boards for the wall, size and spacing chosen above")),
            TextBox("txtPrice", {1200, 4320, 1215, 285}, 3)
                .labelledBy("Label4")
                .tooltip(QT_TR_NOOP("Price of one board, in dollars")),
            Button("cmdGo2", QT_TR_NOOP("Go!"), {1320, 5040, 975, 375}, 4)
                .named(QT_TR_NOOP("Go! Price the boards"))
                .tooltip(QT_TR_NOOP("Work out the cost of the boards counted above")),
            TextBox("txtCost", {1200, 5520, 1215, 285}, 5)
                .asOutput()
                .labelledBy("Label5")
                .tooltip(QT_TR_NOOP("Cost of the boards, in dollars")),
            Label("Label1", QT_TR_NOOP("Wall Length in Feet"), {480, 720, 1215, 375}, 6).centred(),
            Label("Label2", QT_TR_NOOP("Wall Heigth in Feet"), {1920, 720, 1215, 375}, 7).centred(),
            Label("Label4", QT_TR_NOOP("Price per Board"), {1200, 4680, 1215, 255}, 8).centred(),
            Label("Label5", QT_TR_NOOP("Cost"), {1440, 5880, 735, 255}, 9).centred(),
            Button("cmdAdd", QT_TR_NOOP("Add to Price List"), {1080, 6120, 1455, 255}, 10)
                .tooltip(QT_TR_NOOP("Post the boards and their cost to the cost list")),
            Label(element("Label6", 0), "$", {1080, 5400, 135, 255}, 11).inFont({"MS Sans Serif", 9.75}),
            Label(element("Label6", 1), "$", {1080, 4200, 135, 255}, 12).inFont({"MS Sans Serif", 9.75}),
            Button("cmdClear", QT_TR_NOOP("Clear All"), {1440, 0, 735, 255}, 13)
                .tooltip(QT_TR_NOOP("Empty every box and start the count and price again from 0")),
            TextBox("txtStudLength", {1200, 1200, 1215, 285}, 14)
                .labelledBy("Label3")
                .tooltip(QT_TR_NOOP("Length of one board, in feet")),
            Label("Label3", QT_TR_NOOP("Length of Boards in Feet"), {1200, 1560, 1215, 375}, 15).centred(),
            // The count sits right-aligned against the "X" and the board length left-aligned after the
            // size, so both labels reach out into the free row on their far side: a count of a long
            // wall (244.9116) or a board of 12.25 feet must not lose digits.
            Label("lblAmount1", "", {240, 3600, 1335, 255}, 16)
                .rightAligned()
                .named(QT_TR_NOOP("Number of boards"))
                .asResult(),
            Label("lblAmount2", "", {2040, 3600, 495, 255}, 17)
                .rightAligned()
                .named(QT_TR_NOOP("Board size"))
                .asResult(),
            Label("Label9", "X", {1680, 3600, 255, 255}, 18).centred().bold(),
            Check("chk2x4", QT_TR_NOOP("2 x 4 Studs"), {240, 2160, 1335, 255}, 19)
                .tooltip(QT_TR_NOOP("Boards of size 2 x 4; works in a pair with 2 x 6, ticking one clears the other")),
            Check("chk2x6", QT_TR_NOOP("2 x 6 Studs"), {240, 2520, 1335, 255}, 20)
                .tooltip(QT_TR_NOOP("Boards of size 2 x 6; works in a pair with 2 x 4, ticking one clears the other")),
            Check("chk16OC", QT_TR_NOOP("Studs 16\" OC"), {2040, 2160, 1335, 255}, 21)
                .tooltip(QT_TR_NOOP("Studs 16 inches apart, centre to centre; works in a pair with 24 inches")),
            Check("chk24OC", QT_TR_NOOP("Studs 24\" OC"), {2040, 2520, 1335, 255}, 22)
                .tooltip(QT_TR_NOOP("Studs 24 inches apart, centre to centre; works in a pair with 16 inches")),
            Label("lblAmount3", "", {2640, 3600, 915, 255}, 23).named(QT_TR_NOOP("Board length, in feet")).asResult(),
            Line("Line2", 1800, 2160, 1800, 2760),
            Line("Line1", 0, 4080, 3720, 4080),
        }};
    return kLayout;
}

void WallFramingCalculator::wire()
{
    PricingCalculator::wire();
    onClick("chk2x4", &WallFramingCalculator::chk2x4_Click);
    onClick("chk2x6", &WallFramingCalculator::chk2x6_Click);
    onClick("chk16OC", &WallFramingCalculator::chk16OC_Click);
    onClick("chk24OC", &WallFramingCalculator::chk24OC_Click);
}

// Every value is money to four decimals. A bad box stops the count before anything changes.
void WallFramingCalculator::cmdGo_Click()
{
    if (!IsNumericText(text("txtLength")))
        return ShowMessage(tr("Please Enter a Number in the Length Box"), ErrorTitle(), Critical);
    const Money length = TextToMoney(text("txtLength"));
    if (!IsNumericText(text("txtHeight")))
        return ShowMessage(tr("Please Enter a Number in the Heigth Box"), ErrorTitle(), Critical);
    const Money height = TextToMoney(text("txtHeight"));
    if (!IsNumericText(text("txtStudLength")))
        return ShowMessage(tr("Please Enter a Number in the Length of Boards Box"), ErrorTitle(), Critical);
    const Money boardLength = TextToMoney(text("txtStudLength"));

    // Should both boxes of a pair be ticked, the first of the pair is taken.
    QString boardSize;
    if (value("chk2x4") == 1)
        boardSize = QStringLiteral("2 x 4");
    else if (value("chk2x6") == 1)
        boardSize = QStringLiteral("2 x 6");
    else
        return ShowMessage(tr("Please check one of the Board Size Boxes"), ErrorTitle(), Critical);
    Int16 spacing = 0;
    if (value("chk16OC") == 1)
        spacing = 16;
    else if (value("chk24OC") == 1)
        spacing = 24;
    else
        return ShowMessage(tr("Please check one of the OC Boxes"), ErrorTitle(), Critical);

    const Money lengthInches = MoneyMulInt16(length, kInchesPerFoot);
    const Money heightInches = MoneyMulInt16(height, kInchesPerFoot);
    const Money area = MoneyMul(lengthInches, heightInches);
    const Money studInches = DoubleToMoney(checkedStep(MoneyToDouble(area) / MoneyToDouble(Int16ToMoney(spacing))));
    // Then three runs of the wall's length, for the plates.
    Money totalInches = MoneyAdd(studInches, Int16ToMoney(kAllowanceInches));
    totalInches = MoneyAdd(totalInches, MoneyMulInt16(lengthInches, 2));
    totalInches = MoneyAdd(totalInches, lengthInches);

    // Rounded to four decimals once per board and again per foot; the count keeps both
    // roundings. The kept count changes only once the whole count has succeeded, so a board
    // length of 0 leaves the last count as it was.
    const Money perBoard = DoubleToMoney(checkedStep(MoneyToDouble(totalInches) / MoneyToDouble(boardLength)));
    const Money boards = DoubleToMoney(checkedStep(MoneyToDouble(perBoard) / Double(kInchesPerFoot)));
    curWoodAmount = boards;
    strBoardSize = boardSize;
    curBoardLength = boardLength;

    setText("lblAmount1", MoneyToText(curWoodAmount));
    setText("lblAmount2", boardSize);
    setText("lblAmount3", QStringLiteral("x ") + MoneyToText(boardLength));
}

void WallFramingCalculator::cmdGo2_Click()
{
    if (!IsNumericText(text("txtPrice")))
        return ShowMessage(tr("Please Enter a Number in the Price Box"), ErrorTitle(), Critical);
    curCost = TextToMoney(text("txtPrice"));
    curPrice = MoneyMul(curWoodAmount, curCost);
    setText("txtCost", MoneyToText(curPrice));
}

// The line names the boards of the last count and ends with the price of one board; the cost
// it records is the total. Before any count there is no board to name, so both of its pieces
// stay empty rather than naming a board length nobody gave.
void WallFramingCalculator::cmdAdd_Click()
{
    const QString boardLength = strBoardSize.isEmpty() ? QString() : MoneyToText(curBoardLength);
    const QString line = tr("Wall Framing") + QStringLiteral("   =   ") + MoneyToText(curWoodAmount) +
                         QLatin1Char(' ') + strBoardSize + QStringLiteral(" x ") + boardLength + QStringLiteral(" = ") +
                         MoneyToText(curCost);
    // The unit says what one counted board is; a count not yet made has no size to name.
    const QString unit =
        strBoardSize.isEmpty() ? tr("boards") : tr("boards, %1 x %2 ft").arg(strBoardSize, MoneyToText(curBoardLength));
    postToCosts(Material::Wood, line, MoneyToDouble(curPrice),
                {tr("You already have a Wall Framing Total on the Costs List. Please remove the existing one "
                    "before adding a new one."),
                 ErrorTitle(), Critical},
                {tr("Wall framing"), MoneyToText(curWoodAmount), unit, MoneyToText(curCost), MoneyToText(curPrice)});
}

// Starts the window over, figures included; a line already on the cost list stays there.
void WallFramingCalculator::cmdClear_Click()
{
    setText("txtHeight", QString());
    setText("txtLength", QString());
    setText("txtStudLength", QString());
    setText("txtPrice", QString());
    setText("txtCost", QString());
    setText("lblAmount1", QString());
    setText("lblAmount2", QString());
    setText("lblAmount3", QString());
    // Clearing from here is no click, so the pairs' handlers stay out of it.
    setValue("chk16OC", 0);
    setValue("chk24OC", 0);
    setValue("chk2x4", 0);
    setValue("chk2x6", 0);
    curWoodAmount = Money();
    curPrice = Money();
    curCost = Money();
    strBoardSize.clear();
    curBoardLength = Money();
}

// Runs on every click, whether it ticked the box or cleared it: the partner is always cleared,
// and the clicked box keeps what the click gave it.
void WallFramingCalculator::chk2x4_Click()
{
    setValue("chk2x6", 0);
}

void WallFramingCalculator::chk2x6_Click()
{
    setValue("chk2x4", 0);
}

void WallFramingCalculator::chk16OC_Click()
{
    setValue("chk24OC", 0);
}

void WallFramingCalculator::chk24OC_Click()
{
    setValue("chk16OC", 0);
}

} // namespace corvane
