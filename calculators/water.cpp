#include "calculators/water.h"

#include "calculators/figurefit.h"
#include "numbers/text.h"

namespace corvane {

const FormLayout &WaterCalculator::layout() const
{
    static const FormLayout kLayout{
        .name = QStringLiteral("frmWater"),
        .caption = QStringLiteral(""),
        .spokenName = QT_TR_NOOP("Water Volumes"),
        .client = {4455, 2985},
        .back = kCalculatorBack,
        .controls = {
            TextBox("txtWidth", {240, 600, 1095, 285}, 0)
                .labelledBy("Label1")
                .tooltip(QT_TR_NOOP("Basin width, in feet")),
            TextBox("txtLength", {1680, 600, 1095, 285}, 1)
                .labelledBy("Label2")
                .tooltip(QT_TR_NOOP("Basin length, in feet")),
            TextBox("txtDepth", {3120, 600, 1095, 285}, 2)
                .labelledBy("Label3")
                .tooltip(QT_TR_NOOP("Depth of the water, in feet")),
            Button("Command1", QT_TR_NOOP("Calculate"), {1680, 1200, 1095, 255}, 3)
                .tooltip(QT_TR_NOOP("Work out the cubic feet, gallons, pounds and tons of water")),
            Label("Label1", QT_TR_NOOP("Width"), {480, 360, 495, 255}, 4),
            Label("Label2", QT_TR_NOOP("Length"), {1920, 360, 495, 255}, 5),
            Label("Label3", QT_TR_NOOP("Depth"), {3360, 360, 495, 255}, 6),
            Label("Label4", QT_TR_NOOP("Square Feet"), {240, 1800, 975, 255}, 7).centred(),
            Label("lblSquerefeet", "", {240, 2160, 975, 255}, 8).labelledBy("Label4").asResult(),
            Label("lblGallons", "", {1680, 2160, 1095, 255}, 9).labelledBy("Label5").asResult(),
            Label("Label5", QT_TR_NOOP("Gallons"), {1680, 1800, 1095, 255}, 10).centred(),
            Label("lblWaterWeight", "", {3240, 2160, 975, 255}, 11).labelledBy("Label6").asResult(),
            Label("Label6", QT_TR_NOOP("lbs. of Water"), {3240, 1800, 975, 255}, 12).centred(),
            Label("lblTonsofWater", "", {1680, 2400, 1095, 255}, 13).labelledBy("Label8").asResult(),
            Label("Label8", QT_TR_NOOP("Tons of Water"), {1680, 2640, 1095, 255}, 14).centred(),
            Button("cmdClear", QT_TR_NOOP("Clear All"), {1740, 0, 855, 255}, 15)
                .tooltip(QT_TR_NOOP("Empty every box and result")),
        }};
    return kLayout;
}

void WaterCalculator::wire()
{
    onClick("Command1", &WaterCalculator::Command1_Click);
    onClick("cmdClear", &WaterCalculator::cmdClear_Click);
    for (const char *result : {"lblSquerefeet", "lblGallons", "lblWaterWeight", "lblTonsofWater"})
        fitFigure(controlAs<QLabel>(result));
}

// Always length by width, then by depth, each step tested: the product counted below is then
// the very one shown.
Double WaterCalculator::product()
{
    const Double length = TextToDouble(text("txtLength"));
    const Double width = TextToDouble(text("txtWidth"));
    const Double depth = TextToDouble(text("txtDepth"));
    return checkedStep(checkedStep(length * width) * depth);
}

void WaterCalculator::Command1_Click()
{
    if (!IsNumericText(text("txtWidth")))
        return ShowMessage(tr("Please enter a value in the Width Box"), ErrorTitle(), Critical);
    if (!IsNumericText(text("txtLength")))
        return ShowMessage(tr("Please enter a value in the Length Box"), ErrorTitle(), Critical);
    if (!IsNumericText(text("txtDepth")))
        return ShowMessage(tr("Please enter a value in the Depth Box"), ErrorTitle(), Critical);

    setText("lblSquerefeet", DoubleToText(product()));
    // The gallons come from the whole number of cubic feet (ties to even), while the label above
    // shows the product as it is: 2 by 3 by 0.25 shows 1.5 and gives the gallons of 2. A product
    // past the whole-number range stops here, with the product already shown.
    intSquareFeet = DoubleToInt16(product());
    setText("lblGallons", DoubleToText(checkedStep(Double(intSquareFeet) * 7.481)));
    // Pounds and tons carry on from the figures as shown, so they agree with a hand calculation
    // from the screen.
    setText("lblWaterWeight", DoubleToText(checkedStep(TextToDouble(text("lblGallons")) * 8.3)));
    setText("lblTonsofWater", DoubleToText(checkedStep(TextToDouble(text("lblWaterWeight")) / 2000)));
}

void WaterCalculator::cmdClear_Click()
{
    setText("txtLength", QString());
    setText("txtDepth", QString());
    setText("txtWidth", QString());
    setText("lblSquerefeet", QString());
    setText("lblGallons", QString());
    setText("lblWaterWeight", QString());
    setText("lblTonsofWater", QString());
}

} // namespace corvane
