// The cost list: the one model that several windows share, and the window that shows it.
#pragma once

#include <QPoint>
#include <QPointer>
#include <optional>

#include "core/form.h"
#include "core/numbers.h"

class QLabel;
class QMouseEvent;

namespace corvane {

enum class Material { Block, Cement, Gravel, Sand, Wood };

// The box a writer shows when its material already has a line with a cost on the list.
struct DuplicateMessage {
    QString text;
    QString title; // empty: the application title
    int style = NoIcon;
};

class CostList : public Form {
public:
    explicit CostList(FormHost &host) : Form(host) {}

    // The shared state. It belongs to the window object, not to its controls, so it outlives
    // hiding; before the first load every field is 0, the next free slot included.
    Double dblBlockCost = 0;
    Double dblSandCost = 0;
    Double dblGravelCost = 0;
    Double dblCementCost = 0;
    Double dblWoodCost = 0;
    Int16 intSandCounter = 0;
    Int16 intGravelCounter = 0;
    Int16 intBlockCounter = 0;
    Int16 intCementCounter = 0;
    Int16 intWoodCounter = 0;
    Int16 intCounter = 0;
    Double dblTotalCost = 0;

    static constexpr int kSlots = 12;

    // The one way a calculator puts a line on the list. The list is shown first, so the user
    // sees it even when the post is refused: a material whose cost field is not 0 gets the
    // writer's duplicate message, a full list a message of its own, and neither changes
    // anything. Otherwise the line goes into the next free slot and the material's cost and
    // slot are recorded.
    void post(Material material, const QString &line, Double cost, const DuplicateMessage &duplicate);

    Double &costField(Material material);
    Int16 &slotField(Material material);

    void cmdRemove_Click(int Index);
    void cmdHide_Click();
    // Any button starts a drag: the window follows the pointer until the button is let go.
    void Label1_MouseDown(QMouseEvent *event);
    void Timer1_Timer();

protected:
    const FormLayout &layout() const override;
    void wire() override;
    void Form_Load() override;

private:
    void writeSlot(int slot, const QString &line);
    void showTotal(const QString &caption);
    bool dragByTitle(QEvent *event);
    bool explainClippedLine(const QString &slotName, QEvent *event);

    QPointer<QLabel> total_;
    // Where in the window the pointer took hold of it; set while a drag is on.
    std::optional<QPoint> grip_;
    // A total that cannot be computed is reported once, not on every tick.
    bool totalFailureReported_ = false;
};

} // namespace corvane
