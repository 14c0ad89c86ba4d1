#include "calculators/length.h"

#include <array>

#include "calculators/figurefit.h"
#include "numbers/text.h"

namespace corvane {
namespace {

// Rows and columns alike, in the order they are laid out and worked through.
struct Unit {
    QString key;             // as in the control names: txtcm, lblcm_m
    const char *name;        // as a person says it first in a sentence
    const char *midSentence; // the same within a sentence
    const char *row;         // the row title
    const char *column;      // the column title
    int left;                // left edge of the unit's result column, in twips
    int top;                 // top of the unit's row, in twips
};

const std::array<Unit, 4> kUnits{{
    {"cm", QT_TRANSLATE_NOOP("frmLength", "Centimetres"), QT_TRANSLATE_NOOP("frmLength", "centimetres"),
     QT_TRANSLATE_NOOP("frmLength", "Centimetres(cm)"), QT_TRANSLATE_NOOP("frmLength", "cm."), 2280, 720},
    {"m", QT_TRANSLATE_NOOP("frmLength", "Metres"), QT_TRANSLATE_NOOP("frmLength", "metres"),
     QT_TRANSLATE_NOOP("frmLength", "Meters(m)"), QT_TRANSLATE_NOOP("frmLength", "m."), 3000, 1080},
    {"in", QT_TRANSLATE_NOOP("frmLength", "Inches"), QT_TRANSLATE_NOOP("frmLength", "inches"),
     QT_TRANSLATE_NOOP("frmLength", "Inches(in)"), QT_TRANSLATE_NOOP("frmLength", "in."), 3720, 1440},
    {"ft", QT_TRANSLATE_NOOP("frmLength", "Feet"), QT_TRANSLATE_NOOP("frmLength", "feet"),
     QT_TRANSLATE_NOOP("frmLength", "Feet(ft)"), QT_TRANSLATE_NOOP("frmLength", "ft."), 4440, 1800},
}};

// Each factor is a constant of its own, not worked out from the others, so the table is not
// symmetric: a metre is 39.36 inches here while a centimetre is 0.3937. Where the typed unit and
// the result unit agree the cell repeats the text as typed and no factor is used.
constexpr Double kFactor[4][4] = {
    {1, 0.01, 0.3937, 0.0328},
    {100, 1, 39.36, 3.281},
    {2.54, 0.0254, 1, 0.0833},
    {30.48, 0.3048, 12, 1},
};

QString inputBox(const Unit &typed)
{
    return "txt" + typed.key;
}

QString cell(const Unit &typed, const Unit &result)
{
    return "lbl" + typed.key + "_" + result.key;
}

std::vector<ControlSpec> lengthControls()
{
    std::vector<ControlSpec> controls;
    for (int i = 0; i < 4; ++i) {
        const Unit &unit = kUnits[i];
        const QString title = "Label" + QString::number(21 + i);
        controls.push_back(TextBox(inputBox(unit), {240, unit.top, 495, 285}, i)
                               .centred()
                               .labelledBy(title)
                               .tooltip(QT_TRANSLATE_NOOP("frmLength", "A length in %1 to convert"))
                               .filledWith({unit.midSentence}));
        controls.push_back(Label(title, unit.row, {840, unit.top, 1215, 255}).centred());
    }
    for (int i = 0; i < 4; ++i)
        controls.push_back(Label("Label" + QString::number(1 + i), kUnits[i].column, {kUnits[i].left, 360, 615, 255})
                               .centred()
                               .bold());
    for (const Unit &typed : kUnits)
        for (const Unit &result : kUnits)
            controls.push_back(Label(cell(typed, result), "", {result.left, typed.top, 615, 255})
                                   .centred()
                                   .named(QT_TRANSLATE_NOOP("frmLength", "%1 in %2"))
                                   .filledWith({typed.name, result.midSentence})
                                   .asResult());
    controls.push_back(Button("Command1", QT_TRANSLATE_NOOP("frmLength", "Calculate"), {3000, 2400, 1215, 375}, 4)
                           .tooltip(QT_TRANSLATE_NOOP("frmLength", "Convert every length typed on the left")));
    controls.push_back(Button("cmdClear", QT_TRANSLATE_NOOP("frmLength", "Clear All"), {4440, 2400, 855, 375}, 5)
                           .tooltip(QT_TRANSLATE_NOOP("frmLength", "Set every length and result to 0")));
    // The rules after the cells, so that no cell paints over them.
    int rule = 0;
    for (int x : {2160, 3000, 3720, 4440, 5160})
        controls.push_back(Line("Line" + QString::number(++rule), x, 240, x, 2040));
    for (int y : {240, 600, 960, 1320, 1680, 2040})
        controls.push_back(Line("Line" + QString::number(++rule), 2160, y, 5160, y));
    return controls;
}

} // namespace

const FormLayout &LengthTable::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmLength"),
                                    .caption = QT_TR_NOOP("Length Conversions"),
                                    .client = {5430, 3015},
                                    .back = kCalculatorBack,
                                    .controls = lengthControls()};
    return kLayout;
}

void LengthTable::wire()
{
    onClick("Command1", &LengthTable::Command1_Click);
    onClick("cmdClear", &LengthTable::cmdClear_Click);
    for (const Unit &typed : kUnits)
        for (const Unit &result : kUnits)
            fitFigure(controlAs<QLabel>(cell(typed, result)));
}

void LengthTable::Command1_Click()
{
    for (size_t row = 0; row < kUnits.size(); ++row) {
        const Unit &typed = kUnits[row];
        // A row without a number keeps what it showed; nothing is said about it.
        if (!IsNumericText(text(inputBox(typed))))
            continue;
        for (size_t column = 0; column < kUnits.size(); ++column) {
            const Unit &result = kUnits[column];
            const QString entry = text(inputBox(typed));
            if (row == column)
                setText(cell(typed, result), entry);
            else
                setText(cell(typed, result), DoubleToText(checkedStep(TextToDouble(entry) * kFactor[row][column])));
        }
    }
}

void LengthTable::cmdClear_Click()
{
    for (const Unit &typed : kUnits)
        setText(inputBox(typed), "0");
    for (const Unit &typed : kUnits)
        for (const Unit &result : kUnits)
            setText(cell(typed, result), "0");
}

} // namespace corvane
