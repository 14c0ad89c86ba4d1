#include "calculators/pipe.h"

#include "numbers/text.h"

namespace corvane {
namespace {

struct Volumes {
    Double litres;
    Double gallons;
};

// Inches become centimetres by 2.5, not 2.54, and pi is 3.14: these are the calculator's own
// factors, so that its answers agree with figures worked by hand with them. Every step that can
// overflow or divide by zero is tested before the next one runs.
Volumes pipeVolumes(Double d, Double l, bool inches)
{
    if (inches) {
        l = checkedStep(l * 2.5);
        d = checkedStep(d * 2.5);
    }
    l = checkedStep(l * 0.01);
    d = checkedStep(d * 0.01);
    const Double r = checkedStep(d / 2);
    const Double s = Power(r, 2);
    const Double area = checkedStep(s * 3.14);
    const Double volume = checkedStep(l * area);
    const Double litres = checkedStep(volume * 1000);
    const Double gallons = checkedStep(litres * 0.2642);
    return {litres, gallons};
}

} // namespace

const FormLayout &PipeCalculator::layout() const
{
    static const FormLayout kLayout{
        .name = QStringLiteral("frmPipe"),
        .caption = QT_TR_NOOP("Pipe Volumes"),
        .client = {3615, 2760},
        .back = kCalculatorBack,
        .controls = {
            TextBox("txtPipeD", {240, 360, 1335, 285}, 0)
                .labelledBy("Label1")
                .tooltip(QT_TR_NOOP("Inside diameter of the pipe, in the unit chosen below")),
            Label("Label1", QT_TR_NOOP("Pipe Diameter"), {360, 720, 1095, 255}, 1).centred(),
            TextBox("txtPipeL", {2040, 360, 1335, 285}, 2)
                .labelledBy("Label2")
                .tooltip(QT_TR_NOOP("Length of the pipe, in the unit chosen below")),
            Label("Label2", QT_TR_NOOP("Pipe Length"), {2160, 720, 1095, 255}, 3).centred(),
            Button("cmdCalculate", QT_TR_NOOP("Calculate"), {1200, 1200, 1215, 375}, 4)
                .tooltip(QT_TR_NOOP("Work out the volume in litres and gallons")),
            TextBox("txtVolumeG", {240, 2040, 1335, 285}, 5).asOutput().labelledBy("Label3"),
            Label("Label3", QT_TR_NOOP("Volume In Gallons"), {240, 2400, 1335, 255}, 6).centred(),
            TextBox("txtVolumeL", {2040, 2040, 1335, 285}, 7).asOutput().labelledBy("Label4"),
            Label("Label4", QT_TR_NOOP("Volume In Liters"), {2040, 2400, 1335, 255}, 8).centred(),
            Option("optCm", QT_TR_NOOP("cm."), {480, 1080, 615, 255}, 9)
                .initiallySelected()
                .tooltip(QT_TR_NOOP("Diameter and length are in centimetres")),
            Option("optIn", QT_TR_NOOP("in."), {480, 1440, 615, 255}, 10)
                .tooltip(QT_TR_NOOP("Diameter and length are in inches")),
            Button("cmdClear", QT_TR_NOOP("Clear All"), {1440, 0, 735, 255}, 11).tooltip(QT_TR_NOOP("Empty every box")),
        }};
    return kLayout;
}

void PipeCalculator::wire()
{
    onClick("cmdCalculate", &PipeCalculator::cmdCalculate_Click);
    onClick("cmdClear", &PipeCalculator::cmdClear_Click);
}

void PipeCalculator::cmdCalculate_Click()
{
    if (!IsNumericText(text("txtPipeD")))
        return ShowMessage(tr("Please enter a value in the Pipe Diameter Box"), ErrorTitle(), Critical);
    if (!IsNumericText(text("txtPipeL")))
        return ShowMessage(tr("Please enter a value in the Pipe Length Box"), ErrorTitle(), Critical);
    const Double d = TextToDouble(text("txtPipeD"));
    const Double l = TextToDouble(text("txtPipeL"));
    std::optional<Volumes> result;
    if (value("optCm") == -1)
        result = pipeVolumes(d, l, false);
    if (value("optIn") == -1)
        result = pipeVolumes(d, l, true);
    if (!result)
        return;
    setText("txtVolumeL", DoubleToText(result->litres));
    setText("txtVolumeG", DoubleToText(result->gallons));
}

void PipeCalculator::cmdClear_Click()
{
    setText("txtVolumeG", QString());
    setText("txtVolumeL", QString());
    setText("txtPipeD", QString());
    setText("txtPipeL", QString());
}

} // namespace corvane
