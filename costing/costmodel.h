// The cost list's contents and rules, apart from any window: the twelve slots, per material the
// posted cost and the slot of its line, the next free slot and the project total. The window
// that shows it and the calculators that post to it share this one object.
#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "numbers/numbers.h"

namespace corvane {

enum class Material { Block, Cement, Gravel, Sand, Wood };

// What a line says, in the columns another program reads: the figures are the very texts the
// line shows, so an export never differs from the list by a rounding.
struct CostRecord {
    QString item;
    QString quantity;
    QString unit;
    QString unitPrice;
    QString cost;
    bool operator==(const CostRecord &) const = default;
};

class CostModel : public QObject {
    Q_OBJECT

public:
    static constexpr int kSlots = 12;

    enum class Posted { Yes, Duplicate, Full };

    // Public, for the writers and the tests to read; they change only through post, remove and
    // load, which announce every change. Before the first load every field is 0, the next free
    // slot included.
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
    // The sum of the five costs as last worked out; infinite or not a number while it cannot be.
    Double dblTotalCost = 0;

    Double &costField(Material material);
    Int16 &slotField(Material material);

    // The list's initial state: no lines, the next free slot 1.
    void load();
    // Puts the line and its record into the next free slot. Only the cost field counts as a
    // duplicate, so a line posted at cost 0 does not block another; a full list refuses.
    // Either refusal changes nothing.
    Posted post(Material material, const QString &line, Double cost, const CostRecord &record);
    // Removes the line in `slot` (1 to 12); the lines below move up with their records, and the
    // slot fields follow them. False when the slot is empty.
    bool remove(int slot);

    // Slots count from 1; an empty slot has the empty line.
    const QString &line(int slot) const;
    const CostRecord &record(int slot) const;
    bool hasLines() const { return !slots_[0].line.isEmpty(); }

    // The total as the list shows it. When the sum cannot be worked out the last total that
    // could stays on show, and totalFailed() says so.
    QString totalText() const { return totalText_; }
    bool totalFailed() const { return totalFailed_; }

signals:
    void changed();

private:
    struct Slot {
        QString line;
        CostRecord record;
    };
    Slot &at(int slot);
    void workOutTotal();

    std::array<Slot, kSlots> slots_;
    QString totalText_ = QStringLiteral("0");
    bool totalFailed_ = false;
};

} // namespace corvane
