// The cost list: the one model that several windows share, and the window that shows it.
#pragma once

#include "core/form.h"
#include "core/numbers.h"

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

    // The shared state; writers post through post(), the list's own handlers change the rest.
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

    // Posts one line for a material: shows the list, refuses a second line with a cost, else
    // writes the line into the next free slot and records its cost and slot.
    void post(Material material, const QString &line, Double cost, const DuplicateMessage &duplicate);

    Double &costField(Material material);
    Int16 &slotField(Material material);

    void cmdRemove_Click(int Index);
    void cmdHide_Click();
    void Timer1_Timer();

protected:
    const FormLayout &layout() const override;
    void wire() override;
    void Form_Load() override;
};

} // namespace corvane
