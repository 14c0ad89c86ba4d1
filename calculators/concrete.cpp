#include "calculators/concrete.h"

#include "calculators/ratios.h"
#include "numbers/text.h"

namespace corvane {
namespace {

// The dry materials take up this much more room than the pad they make.
constexpr Double kDryVolumeFactor = 1.65;
// Cubic metres in one bag of cement.
constexpr Double kBagVolume = 0.0332;

// The dollar signs beside the price and total boxes stand out a little from the captions.
const FontSpec kDollarFont{"MS Sans Serif", 9.75};

struct Amounts {
    Money bags, sand, gravel;
};

// Each step is rounded to money before the next one uses it, so the roundings carry forward:
// the bag count comes from the cement volume as rounded, not as computed. The fractions are
// worked out before they meet the volume.
Amounts padAmounts(Money width, Money length, Money thicknessCm, bool usa, bool dr, Amounts previous)
{
    const Money thickness = DoubleToMoney(checkedStep(MoneyToDouble(thicknessCm) / 100));
    const Money pad = MoneyMul(MoneyMul(width, length), thickness);
    const Money dry = DoubleToMoney(checkedStep(MoneyToDouble(pad) * kDryVolumeFactor));
    const Money cement = DoubleToMoney(checkedStep(MoneyToDouble(dry) * (1.0 / 7)));
    Amounts result = previous;
    result.bags = DoubleToMoney(checkedStep(MoneyToDouble(cement) / kBagVolume));
    if (usa) {
        result.sand = DoubleToMoney(checkedStep(MoneyToDouble(dry) * (2.0 / 7)));
        result.gravel = DoubleToMoney(checkedStep(MoneyToDouble(dry) * (4.0 / 7)));
    }
    if (dr) {
        result.sand = DoubleToMoney(checkedStep(MoneyToDouble(dry) * (3.0 / 7)));
        result.gravel = DoubleToMoney(checkedStep(MoneyToDouble(dry) * (3.0 / 7)));
    }
    return result;
}

} // namespace

const FormLayout &ConcreteCalculator::layout() const
{
    static const FormLayout kLayout{
        .name = QStringLiteral("frmConcrete"),
        .caption = QStringLiteral("Concrete Quantities"),
        .client = {6135, 7140},
        .back = kCalculatorBack,
        .controls = {
            Button("cmdClear", "Clear All", {2760, 0, 735, 255}, 39).tooltip("Empty every box"),
            TextBox("txtPadWidth", {240, 360, 1455, 285}, 0).labelledBy("Label1").tooltip("Pad width, in metres"),
            TextBox("txtPadLength", {2400, 360, 1455, 285}, 1).labelledBy("Label2").tooltip("Pad length, in metres"),
            TextBox("txtPadThickness", {4440, 360, 1455, 285}, 4)
                .labelledBy("Label3")
                .tooltip("Pad thickness, in centimetres"),
            Label("Label1", "Pad Width in Meters", {120, 720, 1695, 255}, 2).centred(),
            Label("Label2", "Pad Length in Meters", {2280, 720, 1695, 255}, 3).centred(),
            Label("Label3", "Pad Thickness (cm.)", {4320, 720, 1695, 255}, 5).centred(),
            Label("Label7", "Please choose your location.", {0, 1200, 1935, 375}, 15).centred(),
            // Two buttons share the caption "Calculate", and two captions "Price per C. Meter": each
            // is heard by a name of its own.
            Button("cmdCalculate", "Calculate", {4440, 1680, 1215, 375}, 12)
                .named("Calculate amounts")
                .tooltip("Work out the bags of cement and the cubic metres of sand and gravel for the pad"),
            Option("optUSA", "USA", {600, 1800, 735, 255}, 13)
                .initiallySelected()
                .tooltip("Mix 1 part cement, 2 parts sand and 4 parts gravel"),
            Line("Line1", 480, 2160, 1440, 2160).named("Separator between the locations"),
            Option("optDR", "DR", {600, 2280, 735, 255}, 14)
                .tooltip("Mix 1 part cement, 3 parts sand and 3 parts gravel"),
            Button("cmdRatios", "Location Ratios?", {240, 2640, 1455, 255}, 16)
                .tooltip("Show what the two location mixes are made of"),
            TextBox("txtCement", {240, 3000, 1455, 285}, 6).asOutput().labelledBy("Label4"),
            TextBox("txtSand", {2400, 3000, 1455, 285}, 8).asOutput().labelledBy("Label5"),
            TextBox("txtGravel", {4440, 3000, 1455, 285}, 10).asOutput().labelledBy(element("Label6", 0)),
            Label("Label4", "# Bags of Cement", {240, 3360, 1455, 255}, 7).centred(),
            Label("Label5", "Cubic Meters of Sand", {2280, 3360, 1695, 255}, 9).centred(),
            Label(element("Label6", 0), "Cubic Meters of Gravel", {4320, 3360, 1695, 255}, 11).centred(),
            Line("Line2", 0, 3720, 6120, 3720).named("Separator between amounts and prices"),
            Label(element("Label6", 1), "$", {120, 3960, 135, 255}, 26).inFont(kDollarFont),
            TextBox("txtPriceC", {360, 3960, 1215, 285}, 17)
                .labelledBy("Label8")
                .named("Cement Price per Bag")
                .tooltip("Price of one bag of cement, in dollars"),
            Label(element("Label6", 3), "$", {2280, 3960, 135, 255}, 28).inFont(kDollarFont),
            TextBox("txtPriceS", {2400, 3960, 1335, 285}, 18)
                .labelledBy("Label9")
                .named("Sand Price per C. Meter")
                .tooltip("Price of one cubic metre of sand, in dollars"),
            Label(element("Label6", 2), "$", {4440, 3960, 135, 255}, 27).inFont(kDollarFont),
            TextBox("txtPriceG", {4560, 3960, 1215, 285}, 19)
                .labelledBy("Label10")
                .named("Gravel Price per C. Meter")
                .tooltip("Price of one cubic metre of gravel, in dollars"),
            Label("Label8", "Price per Bag", {360, 4320, 1215, 255}, 20).centred(),
            Label("Label9", "Price per C. Meter", {2400, 4320, 1335, 255}, 21)
                .centred()
                .named("Sand Price per C. Meter"),
            Label("Label10", "Price per C. Meter", {4440, 4320, 1455, 255}, 22)
                .centred()
                .named("Gravel Price per C. Meter"),
            Button("cmdPrice", "Calculate", {2520, 4800, 1095, 375}, 25)
                .named("Calculate costs")
                .tooltip("Work out the cost of each material, in dollars, and the total"),
            TextBox("txtCementCost", {360, 5520, 1215, 285}, 33).asOutput().labelledBy("Label12"),
            TextBox("txtSandCost", {2400, 5520, 1335, 285}, 34).asOutput().labelledBy("Label13"),
            TextBox("txtGravelCost", {4560, 5520, 1215, 285}, 35).asOutput().labelledBy("Label14"),
            Label("Label12", "Cement Cost", {360, 5880, 1215, 255}, 36).centred(),
            Label("Label13", "Sand Cost", {2520, 5880, 1215, 255}, 37).centred(),
            Label("Label14", "Gravel Cost", {4560, 5880, 1215, 255}, 38).centred(),
            Button("cmdAddCement", "Add Cement to Price List", {0, 6120, 1935, 255}, 30)
                .tooltip("Put the bags of cement and their cost on the cost list"),
            Button("cmdAddSand", "Add Sand to Price List", {2160, 6120, 1815, 255}, 31)
                .tooltip("Put the cubic metres of sand and their cost on the cost list"),
            Button("cmdAddGravel", "Add Gravel to Price List", {4200, 6120, 1935, 255}, 32)
                .tooltip("Put the cubic metres of gravel and their cost on the cost list"),
            Label(element("Label6", 4), "$", {2280, 6480, 135, 255}, 29).inFont(kDollarFont),
            TextBox("txtTotalCost", {2400, 6480, 1335, 285}, 23).asOutput().labelledBy("Label11"),
            Label("Label11", "Total Cost", {2520, 6840, 1095, 255}, 24).centred(),
        }};
    return kLayout;
}

void ConcreteCalculator::wire()
{
    onClick("cmdCalculate", &ConcreteCalculator::cmdCalculate_Click);
    onClick("cmdPrice", &ConcreteCalculator::cmdPrice_Click);
    onClick("cmdAddCement", &ConcreteCalculator::cmdAddCement_Click);
    onClick("cmdAddSand", &ConcreteCalculator::cmdAddSand_Click);
    onClick("cmdAddGravel", &ConcreteCalculator::cmdAddGravel_Click);
    onClick("cmdClear", &ConcreteCalculator::cmdClear_Click);
    onClick("cmdRatios", &ConcreteCalculator::cmdRatios_Click);
}

void ConcreteCalculator::cmdCalculate_Click()
{
    if (!IsNumericText(text("txtPadWidth")))
        return ShowMessage("Please enter a value in the Pad Width Box", "Error", Critical);
    if (!IsNumericText(text("txtPadLength")))
        return ShowMessage("Please enter a value in the Pad Length Box", "Error", Critical);
    if (!IsNumericText(text("txtPadThickness")))
        return ShowMessage("Please enter a value in the Pad Thickness Box", "Error", Critical);
    const Money width = TextToMoney(text("txtPadWidth"));
    const Money length = TextToMoney(text("txtPadLength"));
    const Money thickness = TextToMoney(text("txtPadThickness"));
    // Worked out in full before any figure is kept: a calculation that overflows part-way must
    // not leave the window holding a mix of this pad's and the last pad's amounts.
    const Amounts amounts = padAmounts(width, length, thickness, value("optUSA") == -1, value("optDR") == -1,
                                       {curConcrete, curSand, curGravel});
    curConcrete = amounts.bags;
    curSand = amounts.sand;
    curGravel = amounts.gravel;
    setText("txtCement", MoneyToText(curConcrete));
    setText("txtSand", MoneyToText(curSand));
    setText("txtGravel", MoneyToText(curGravel));
}

void ConcreteCalculator::cmdPrice_Click()
{
    const QString calculateFirst = QStringLiteral("Please Calculate the Amount of Material Needed Above");
    for (const char *amount : {"txtCement", "txtSand", "txtGravel"})
        if (!IsNumericText(text(amount)))
            return ShowMessage(calculateFirst, "Error", Critical);
    if (!IsNumericText(text("txtPriceC")))
        return ShowMessage("Please enter a value in the Cement Price Box", "Error", Critical);
    if (!IsNumericText(text("txtPriceS")))
        return ShowMessage("Please enter a value in the Sand Price Box", "Error", Critical);
    if (!IsNumericText(text("txtPriceG")))
        return ShowMessage("Please enter a value in the Gravel Price Box", "Error", Critical);
    // The costs are of the amounts on show, which are the last calculation's.
    const Priced amounts{TextToMoney(text("txtCement")), TextToMoney(text("txtSand")), TextToMoney(text("txtGravel"))};
    const Money priceC = TextToMoney(text("txtPriceC"));
    const Money priceS = TextToMoney(text("txtPriceS"));
    const Money priceG = TextToMoney(text("txtPriceG"));
    const Money costC = MoneyMul(amounts.cement, priceC);
    const Money costS = MoneyMul(amounts.sand, priceS);
    const Money costG = MoneyMul(amounts.gravel, priceG);
    const Money total = MoneyAdd(MoneyAdd(costC, costS), costG);
    // Kept only once every figure is known, so that an overflow leaves prices and costs as they
    // were, all of a piece, for the Add buttons.
    curCementP = priceC;
    curSandP = priceS;
    curGravelP = priceG;
    curCostC = costC;
    curCostS = costS;
    curCostG = costG;
    priced_ = amounts;
    setText("txtTotalCost", MoneyToText(total));
    setText("txtCementCost", MoneyToText(curCostC));
    setText("txtGravelCost", MoneyToText(curCostG));
    setText("txtSandCost", MoneyToText(curCostS));
}

// Each material's line is its amount, price and cost as the last pricing left them.
void ConcreteCalculator::postMaterial(Material material, const QString &name, Money amount, const QString &unit,
                                      Money price, Money cost)
{
    const QString line = name + QStringLiteral("   =   ") + MoneyToText(amount) + QStringLiteral("   X   $") +
                         MoneyToText(price) + QStringLiteral("   =   $") + MoneyToText(cost);
    const DuplicateMessage duplicate{
        QStringLiteral("You already have a Total for %1 on the Costs List. Please remove the existing one before "
                       "adding a new one.")
            .arg(name),
        QStringLiteral("Error"), Critical};
    postToCosts(material, line, MoneyToDouble(cost), duplicate,
                {name, MoneyToText(amount), unit, MoneyToText(price), MoneyToText(cost)});
}

void ConcreteCalculator::cmdAddCement_Click()
{
    postMaterial(Material::Cement, "Cement", priced_ ? priced_->cement : curConcrete, "bags", curCementP, curCostC);
}

void ConcreteCalculator::cmdAddSand_Click()
{
    postMaterial(Material::Sand, "Sand", priced_ ? priced_->sand : curSand, "m³", curSandP, curCostS);
}

void ConcreteCalculator::cmdAddGravel_Click()
{
    postMaterial(Material::Gravel, "Gravel", priced_ ? priced_->gravel : curGravel, "m³", curGravelP, curCostG);
}

// The figures stay: only the boxes are emptied.
void ConcreteCalculator::cmdClear_Click()
{
    for (const char *box :
         {"txtCement", "txtCementCost", "txtGravel", "txtGravelCost", "txtPadLength", "txtPadThickness", "txtPadWidth",
          "txtPriceC", "txtPriceG", "txtPriceS", "txtSand", "txtSandCost", "txtTotalCost"})
        setText(box, QString());
}

void ConcreteCalculator::cmdRatios_Click()
{
    host_.frmAboutRatios().Show();
}

} // namespace corvane
