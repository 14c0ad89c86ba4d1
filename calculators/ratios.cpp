#include "calculators/ratios.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextLayout>

namespace corvane {
namespace {

// The three lines of the ratio text: the heading and one line for each mix.
QStringList ratioTextLines()
{
    return {RatiosDialog::tr("Country Ratios:"), RatiosDialog::tr("USA = 1 Cement x 2 Sand x 4 Gravel"),
            RatiosDialog::tr("DR  =  1 Cement x 3 Sand x 3 Gravel")};
}

// The lines a label breaks its caption into at its width, without the blanks that hang at
// either end of a line.
QStringList wrappedLines(const QLabel &label, const QString &text)
{
    QTextLayout layout(text, label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const qreal width = label.contentsRect().width();
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    lines.removeAll(QString());
    return lines;
}

} // namespace

// The runs of blanks after the heading and after the first mix are what wrap each line onto one
// of its own.
QString RatiosDialog::ratioText()
{
    const QStringList lines = ratioTextLines();
    return lines[0] + QString(43, QLatin1Char(' ')) + lines[1] + QString(13, QLatin1Char(' ')) + lines[2];
}

QString RatiosDialog::ratioLines()
{
    return ratioTextLines().join(QLatin1Char('\n'));
}

const FormLayout &RatiosDialog::layout() const
{
    static const FormLayout kLayout{
        .name = QStringLiteral("frmAboutRatios"),
        .caption = QT_TR_NOOP("Ratios"),
        .client = {5730, 3120},
        .icon = false,
        .frame = Frame::TopLevel,
        .controls = {
            Picture("Picture1", ":/hammer45.png", {120, 240, 735, 735}, 4).named(QT_TR_NOOP("Claw hammer")),
            Label("lblTitle", "Corvane", {1050, 240, 3885, 480}, 2)
                .inFont({"MS Sans Serif", 18})
                .colours(std::nullopt, 0x00000000),
            Label("lblVersion", QT_TR_NOOP("Version: %1"), {1050, 780, 3885, 225}, 3)
                .bold()
                .filledWith({QStringLiteral(CORVANE_VERSION)}),
            Label("lblDescription", "", {1050, 1125, 3885, 1170}, 1)
                .bold()
                .colours(std::nullopt, 0x00000000)
                .named(QT_TR_NOOP("Country Ratios"))
                .asResult(),
            Line(element("Line1", 1), 90, 2445, 5654, 2445)
                .colours(std::nullopt, 0x00808080)
                .named(QT_TR_NOOP("Separator")),
            Line(element("Line1", 0), 105, 2460, 5654, 2460)
                .colours(std::nullopt, 0x00FFFFFF)
                .width(2)
                .named(QT_TR_NOOP("Separator")),
            Button("cmdOK", QT_TR_NOOP("OK"), {2280, 2625, 1140, 345}, 0).tooltip(QT_TR_NOOP("Close this window")),
        }};
    return kLayout;
}

// A dialog, so that OK answers Enter as the default button and Esc as the cancel button.
QWidget *RatiosDialog::createView()
{
    return new QDialog;
}

QWidget *RatiosDialog::createWindow(QWidget *view)
{
    QWidget *window = Form::createWindow(view);
    // A window of its own, so placed from the screen's corner rather than the main window's.
    window->move(twipsToPixels(2340), twipsToPixels(1935));
    return window;
}

void RatiosDialog::wire()
{
    auto *dialog = static_cast<QDialog *>(view());
    auto *ok = controlAs<QPushButton>("cmdOK");
    ok->setDefault(true);
    onClick("cmdOK", &RatiosDialog::cmdOK_Click);
    // Esc rejects the dialog, which only hides it; as the cancel button, OK must run instead.
    QObject::connect(dialog, &QDialog::rejected, ok, [this] { RunHandler([this] { cmdOK_Click(); }); });
    // The box is a little larger than its picture; a framed picture box showed it with an even
    // margin all round.
    controlAs<QLabel>("Picture1")->setAlignment(Qt::AlignCenter);
}

void RatiosDialog::Form_Load()
{
    auto *description = controlAs<QLabel>("lblDescription");
    const QString text = ratioText();
    // The blanks only line the ratios up where the label's font is as wide as it was drawn
    // for; elsewhere the same three lines are spelt out.
    const bool wrapsAsDrawn = description->wordWrap() && wrappedLines(*description, text) == ratioTextLines();
    description->setText(wrapsAsDrawn ? text : ratioLines());
}

void RatiosDialog::cmdOK_Click()
{
    Unload();
}

} // namespace corvane
