// The window that shows the cost list, and the one way the calculators post to it.
#pragma once

#include <QPoint>
#include <QPointer>
#include <optional>

#include "costing/costmodel.h"
#include "ui/form.h"

class QAction;
class QKeySequence;
class QLabel;
class QMouseEvent;

namespace corvane {

// The box a writer shows when its material already has a line with a cost on the list.
struct DuplicateMessage {
    QString text;
    QString title; // empty: the application title
    int style = NoIcon;
};

class CostList : public Form {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmCosts)

public:
    explicit CostList(FormHost &host) : Form(host) {}

    // The shared state lives in the model, which outlives hiding and the controls; the window
    // draws it whenever it changes.
    CostModel &model() { return model_; }

    static constexpr int kSlots = CostModel::kSlots;

    // The one way a calculator puts a line on the list. The list is shown first, so the user
    // sees it even when the post is refused: a material whose cost field is not 0 gets the
    // writer's duplicate message, a full list a message of its own, and neither changes
    // anything. Otherwise the line goes into the next free slot and the material's cost and
    // slot are recorded, with the record that export writes for the line.
    void post(Material material, const QString &line, Double cost, const DuplicateMessage &duplicate,
              const CostRecord &record = {});

    void cmdRemove_Click(int Index);
    void cmdHide_Click();
    // Any button starts a drag: the window follows the pointer until the button is let go.
    void Label1_MouseDown(QMouseEvent *event);
    // The list leaves the program: onto the clipboard as a table, into a spreadsheet file, into
    // a PDF file, onto paper. Each offers nothing while the list has no line.
    void itmCopyCosts_Click();
    void itmSaveCosts_Click();
    void itmExportCostsPdf_Click();
    void itmPrintCosts_Click();

protected:
    const FormLayout &layout() const override;
    void wire() override;
    void Form_Load() override;

private:
    void draw();
    void showTotal(const QString &caption);
    void announceChange(const QString &change);
    QAction *addAction(const QString &name, const QString &text, const QKeySequence &keys, void (CostList::*handler)());
    bool dragByTitle(QEvent *event);
    bool explainClippedLine(const QString &slotName, QEvent *event);

    CostModel model_;
    QPointer<QLabel> total_;
    // Where in the window the pointer took hold of it; set while a drag is on.
    std::optional<QPoint> grip_;
    // A total that cannot be computed is reported once, not on every change that keeps it so.
    bool totalFailureReported_ = false;
};

} // namespace corvane
