#include "calculators/concrete.h"

#include "calculators/ratios.h"
#include "numbers/text.h"

namespace corvane {

// What a material's line, its export and its refusal say, in English for the translators' tools.
struct MaterialWords {
    const char *name;      // first on the line, and the export's item
    const char *unit;      // what the amount counts
    const char *duplicate; // the refusal while the material has a line with a cost on the list
};

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

const MaterialWords kCement{QT_TRANSLATE_NOOP("frmConcrete", "Cement"), QT_TRANSLATE_NOOP("frmConcrete", "bags"),
                            QT_TRANSLATE_NOOP("frmConcrete",
                                              "You already have a Total for Cement on the Costs List. "
                                              "Please remove the existing one before adding a new one.")};
const MaterialWords kSand{QT_TRANSLATE_NOOP("frmConcrete", "Sand"), QT_TRANSLATE_NOOP("frmConcrete", "m³"),
                          QT_TRANSLATE_NOOP("frmConcrete", "You already have a Total for Sand on the Costs List. "
                                                           "Please remove the existing one before adding a new one.")};
const MaterialWords kGravel{QT_TRANSLATE_NOOP("frmConcrete", "Gravel"), QT_TRANSLATE_NOOP("frmConcrete", "m³"),
                            QT_TRANSLATE_NOOP("frmConcrete",
                                              "You already have a Total for Gravel on the Costs List. "
                                              "Please remove the existing one before adding a new one.")};

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
        .caption = QT_TR_NOOP("Concrete Quantities"),
        .client = {6135, 7140},
        .back = kCalculatorBack,
        .controls = {
            Button("cmdClear", QT_TR_NOOP("Clear All"), {2760, 0, 735, 255}, 39).tooltip(QT_TR_NOOP("Empty every box")),
            TextBox("txtPadWidth", {240, 360, 1455, 285}, 0)
                .labelledBy("Label1")
                .tooltip(QT_TR_NOOP("Pad width, in metres")),
            TextBox("txtPadLength", {2400, 360, 1455, 285}, 1)
                .labelledBy("Label2")
                .tooltip(QT_TR_NOOP("Pad length, in metres")),
            TextBox("txtPadThickness", {4440, 360, 1455, 285}, 4)
                .labelledBy("Label3")
                .tooltip(QT_TR_NOOP("Pad thickness, in centimetres")),
            Label("Label1", QT_TR_NOOP("Pad Width in Meters"), {120, 720, 1695, 255}, 2).centred(),
            Label("Label2", QT_TR_NOOP("Pad Length in Meters"), {2280, 720, 1695, 255}, 3).centred(),
            Label("Label3", QT_TR_NOOP("Pad Thickness (cm.)"), {4320, 720, 1695, 255}, 5).centred(),
            Label("Label7", QT_TR_NOOP("Please choose your location."), {0, 1200, 1935, 375}, 15).centred(),
            // Two buttons share the caption "Calculate", and two captions "Price per C. Meter": each
            // is heard by a name of its own.
            Button("cmdCalculate", QT_TR_NOOP("Calculate"), {4440, 1680, 1215, 375}, 12)
                .named(QT_TR_NOOP("Calculate amounts"))
                .tooltip(QT_TR_NOOP("Work out the bags of cement and the cubic metres of sand and gravel for the pad")),
            Option("optUSA", QT_TR_NOOP("USA"), {600, 1800, 735, 255}, 13)
                .initiallySelected()
                .tooltip(QT_TR_NOOP("Mix 1 part cement, 2 parts sand and 4 parts gravel")),
            Line("Line1", 480, 2160, 1440, 2160).named(QT_TR_NOOP("Separator between the locations")),
            Option("optDR", QT_TR_NOOP("DR"), {600, 2280, 735, 255}, 14)
                .tooltip(QT_TR_NOOP("Mix 1 part cement, 3 parts sand and 3 parts gravel")),
            Button("cmdRatios", QT_TR_NOOP("Location Ratios?"), {240, 2640, 1455, 255}, 16)
                .tooltip(QT_TR_NOOP("Show what the two location mixes are made of")),
            TextBox("txtCement", {240, 3000, 1455, 285}, 6).asOutput().labelledBy("Label4"),
            TextBox("txtSand", {2400, 3000, 1455, 285}, 8).asOutput().labelledBy("Label5"),
            TextBox("txtGravel", {4440, 3000, 1455, 285}, 10).asOutput().labelledBy(element("Label6", 0)),
            Label("Label4", QT_TR_NOOP("# Bags of Cement"), {240, 3360, 1455, 255}, 7).centred(),
            Label("Label5", QT_TR_NOOP("Cubic Meters of Sand"), {2280, 3360, 1695, 255}, 9).centred(),
            Label(element("Label6", 0), QT_TR_NOOP("Cubic Meters of Gravel"), {4320, 3360, 1695, 255}, 11).centred(),
            Line("Line2", 0, 3720, 6120, 3720).named(QT_TR_NOOP("Separator between amounts and prices")),
            Label(element("Label6", 1), "$", {120, 3960, 135, 255}, 26).inFont(kDollarFont),
            TextBox("txtPriceC", {360, 3960, 1215, 285}, 17)
                .labelledBy("Label8")
                .named(QT_TR_NOOP("Cement Price per Bag"))
                .tooltip(QT_TR_NOOP("Price of one bag of cement, in dollars")),
            Label(element("Label6", 3), "$", {2280, 3960, 135, 255}, 28).inFont(kDollarFont),
            TextBox("txtPriceS", {2400, 3960, 1335, 285}, 18)
                .labelledBy("Label9")
                .named(QT_TR_NOOP("Sand Price per C. Meter"))
                .tooltip(QT_TR_NOOP("Price of one cubic metre of sand, in dollars")),
            Label(element("Label6", 2), "$", {4440, 3960, 135, 255}, 27).inFont(kDollarFont),
            TextBox("txtPriceG", {4560, 3960, 1215, 285}, 19)
                .labelledBy("Label10")
                .named(QT_TR_NOOP("Gravel Price per C. Meter"))
                .tooltip(QT_TR_NOOP("Price of one cubic metre of gravel, in dollars")),
            Label("Label8", QT_TR_NOOP("Price per Bag"), {360, 4320, 1215, 255}, 20).centred(),
            Label("Label9", QT_TR_NOOP("Price per C. Meter"), {2400, 4320, 1335, 255}, 21)
                .centred()
                .named(QT_TR_NOOP("Sand Price per C. Meter")),
            Label("Label10", QT_TR_NOOP("Price per C. Meter"), {4440, 4320, 1455, 255}, 22)
                .centred()
                .named(QT_TR_NOOP("Gravel Price per C. Meter")),
            Button("cmdPrice", QT_TR_NOOP("Calculate"), {2520, 4800, 1095, 375}, 25)
                .named(QT_TR_NOOP("Calculate costs"))
                .tooltip(QT_TR_NOOP("Work out the cost of each material, in dollars, and the total")),
            TextBox("txtCementCost", {360, 5520, 1215, 285}, 33).asOutput().labelledBy("Label12"),
            TextBox("txtSandCost", {2400, 5520, 1335, 285}, 34).asOutput().labelledBy("Label13"),
            TextBox("txtGravelCost", {4560, 5520, 1215, 285}, 35).asOutput().labelledBy("Label14"),
            Label("Label12", QT_TR_NOOP("Cement Cost"), {360, 5880, 1215, 255}, 36).centred(),
            Label("Label13", QT_TR_NOOP("Sand Cost"), {2520, 5880, 1215, 255}, 37).centred(),
            Label("Label14", QT_TR_NOOP("Gravel Cost"), {4560, 5880, 1215, 255}, 38).centred(),
            Button("cmdAddCement", QT_TR_NOOP("Add Cement to Price List"), {0, 6120, 1935, 255}, 30)
                .tooltip(QT_TR_NOOP("Put the bags of cement and their cost on the cost list")),
            Button("cmdAddSand", QT_TR_NOOP("Add Sand to Price List"), {2160, 6120, 1815, 255}, 31)
                .tooltip(QT_TR_NOOP("Put the cubic metres of sand and their cost on the cost list")),
            Button("cmdAddGravel", QT_TR_NOOP("Add Gravel to Price List"), {4200, 6120, 1935, 255}, 32)
                .tooltip(QT_TR_NOOP("Put the cubic metres of gravel and their cost on the cost list")),
            Label(element("Label6", 4), "$", {2280, 6480, 135, 255}, 29).inFont(kDollarFont),
            TextBox("txtTotalCost", {2400, 6480, 1335, 285}, 23).asOutput().labelledBy("Label11"),
            Label("Label11", QT_TR_NOOP("Total Cost"), {2520, 6840, 1095, 255}, 24).centred(),
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
        return ShowMessage(tr("Please enter a value in the Pad Width Box"), ErrorTitle(), Critical);
    if (!IsNumericText(text("txtPadLength")))
        return ShowMessage(tr("Please enter a value in the Pad Length Box"), ErrorTitle(), Critical);
    if (!IsNumericText(text("txtPadThickness")))
        return ShowMessage(tr("Please enter a value in the Pad Thickness Box"), ErrorTitle(), Critical);
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
    const QString calculateFirst = tr("Please Calculate the Amount of Material Needed Above");
    for (const char *amount : {"txtCement", "txtSand", "txtGravel"})
        if (!IsNumericText(text(amount)))
            return ShowMessage(calculateFirst, ErrorTitle(), Critical);
    if (!IsNumericText(text("txtPriceC")))
        return ShowMessage(tr("Please enter a value in the Cement Price Box"), ErrorTitle(), Critical);
    if (!IsNumericText(text("txtPriceS")))
        return ShowMessage(tr("Please enter a value in the Sand Price Box"), ErrorTitle(), Critical);
    if (!IsNumericText(text("txtPriceG")))
        return ShowMessage(tr("Please enter a value in the Gravel Price Box"), ErrorTitle(), Critical);
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
void ConcreteCalculator::postMaterial(Material material, const MaterialWords &words, Money amount, Money price,
                                      Money cost)
{
    const QString name = tr(words.name);
    const QString line = name + QStringLiteral("   =   ") + MoneyToText(amount) + QStringLiteral("   X   $") +
                         MoneyToText(price) + QStringLiteral("   =   $") + MoneyToText(cost);
    postToCosts(material, line, MoneyToDouble(cost), {tr(words.duplicate), ErrorTitle(), Critical},
                {name, MoneyToText(amount), tr(words.unit), MoneyToText(price), MoneyToText(cost)});
}

void ConcreteCalculator::cmdAddCement_Click()
{
    postMaterial(Material::Cement, kCement, priced_ ? priced_->cement : curConcrete, curCementP, curCostC);
}

void ConcreteCalculator::cmdAddSand_Click()
{
    postMaterial(Material::Sand, kSand, priced_ ? priced_->sand : curSand, curSandP, curCostS);
}

void ConcreteCalculator::cmdAddGravel_Click()
{
    postMaterial(Material::Gravel, kGravel, priced_ ? priced_->gravel : curGravel, curGravelP, curCostG);
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
