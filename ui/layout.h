// A window's controls written down as data, one row per control, and built by one shared
// builder. Positions and sizes are in twips (1/1440 inch; 15 twips make one pixel at 96 dpi);
// colours are &H00BBGGRR values. Every text of a table is the program's English; the builder
// shows it in the user's language, looked up under the window's name (QT_TR_NOOP marks it for
// the translators' tools inside a window class that declares its name as its context).
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace corvane {

enum class Kind { Label, TextBox, Button, Option, Check, Line, Picture, Timer };
enum class Align { Left, Centre, Right };

constexpr int kTwipsPerPixel = 15;
constexpr int kNoTab = -1;

inline int twipsToPixels(double twips)
{
    return qRound(twips / kTwipsPerPixel);
}

// &H00BBGGRR
inline QColor colourFromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

struct FontSpec {
    QString face = QStringLiteral("MS Sans Serif");
    double points = 8.25;
    bool bold = false;
};

struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

struct ControlSpec {
    Kind kind = Kind::Label;
    QString name;    // objectName; an element of a control array is "name(index)"
    QString caption; // labels, buttons, option buttons, check boxes; initial text of a text box
    Twips at;        // for a line: x1, y1, x2, y2
    int tab = kNoTab;
    Align align = Align::Left;
    std::optional<FontSpec> font;      // the window's font when absent
    std::optional<quint32> back, fore; // &H00BBGGRR; the window's colours when absent
    bool output = false;               // a text box only the handlers write
    bool selected = false;             // an option button selected when the window opens
    QString describedBy;               // the label whose caption names this control; it becomes its buddy
    QString accessibleName;            // when neither caption nor label names it
    QString tip;                       // what the control takes or does
    int lineWidth = 1;                 // pixels, for a line
    QString picture;                   // resource path, for a picture
    int interval = 0;                  // milliseconds, for a timer
    bool result = false;               // a label that shows a result: heard with the figure it shows
    QStringList fill;                  // what %1, %2... stand for in the caption, spoken name and tooltip

    ControlSpec centred() const
    {
        return with([](ControlSpec &c) { c.align = Align::Centre; });
    }
    ControlSpec rightAligned() const
    {
        return with([](ControlSpec &c) { c.align = Align::Right; });
    }
    ControlSpec inFont(FontSpec f) const
    {
        return with([&](ControlSpec &c) { c.font = f; });
    }
    ControlSpec bold() const;
    ControlSpec colours(std::optional<quint32> b, std::optional<quint32> f) const
    {
        return with([&](ControlSpec &c) {
            c.back = b;
            c.fore = f;
        });
    }
    ControlSpec asOutput() const
    {
        return with([](ControlSpec &c) { c.output = true; });
    }
    ControlSpec initiallySelected() const
    {
        return with([](ControlSpec &c) { c.selected = true; });
    }
    ControlSpec labelledBy(const QString &label) const
    {
        return with([&](ControlSpec &c) { c.describedBy = label; });
    }
    ControlSpec named(const QString &accessible) const
    {
        return with([&](ControlSpec &c) { c.accessibleName = accessible; });
    }
    ControlSpec tooltip(const QString &text) const
    {
        return with([&](ControlSpec &c) { c.tip = text; });
    }
    // Heard as its meaning (its accessible name or describing label) followed by what it shows.
    ControlSpec asResult() const
    {
        return with([](ControlSpec &c) { c.result = true; });
    }
    // Words or figures put into the caption, the spoken name and the tooltip, each in the user's
    // language, where a text is made of several.
    ControlSpec filledWith(const QStringList &words) const
    {
        return with([&](ControlSpec &c) { c.fill = words; });
    }
    ControlSpec width(int pixels) const
    {
        return with([&](ControlSpec &c) { c.lineWidth = pixels; });
    }

private:
    template <class F>
    ControlSpec with(F change) const
    {
        ControlSpec copy = *this;
        change(copy);
        return copy;
    }
};

inline ControlSpec ControlSpec::bold() const
{
    return with([](ControlSpec &c) {
        FontSpec f = c.font.value_or(FontSpec{});
        f.bold = true;
        c.font = f;
    });
}

// One row of a window's table.
inline ControlSpec Label(const QString &name, const QString &caption, Twips at, int tab = kNoTab)
{
    return {Kind::Label, name, caption, at, tab};
}
inline ControlSpec TextBox(const QString &name, Twips at, int tab)
{
    return {Kind::TextBox, name, {}, at, tab};
}
inline ControlSpec Button(const QString &name, const QString &caption, Twips at, int tab)
{
    return {Kind::Button, name, caption, at, tab};
}
inline ControlSpec Option(const QString &name, const QString &caption, Twips at, int tab)
{
    return {Kind::Option, name, caption, at, tab};
}
inline ControlSpec Check(const QString &name, const QString &caption, Twips at, int tab)
{
    return {Kind::Check, name, caption, at, tab};
}
// A straight rule from (x1, y1) to (x2, y2).
inline ControlSpec Line(const QString &name, int x1, int y1, int x2, int y2)
{
    return {Kind::Line, name, {}, {x1, y1, x2, y2}};
}
inline ControlSpec Picture(const QString &name, const QString &resource, Twips at, int tab = kNoTab)
{
    ControlSpec c{Kind::Picture, name, {}, at, tab};
    c.picture = resource;
    return c;
}
inline ControlSpec Timer(const QString &name, int intervalMs)
{
    ControlSpec c{Kind::Timer, name};
    c.interval = intervalMs;
    return c;
}

// The element `index` of a control array.
inline QString element(const QString &name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

enum class Frame { MdiChild, TopLevel };
enum class Border { FixedDialog, FixedSingle, None, Sizable };

struct FormLayout {
    QString name;
    QString caption;
    QString spokenName;          // what a window without a caption is called where a name is read out
    QSize client;                // twips
    std::optional<quint32> back; // the system's window colour when absent
    bool icon = true;
    Frame frame = Frame::MdiChild;
    Border border = Border::FixedDialog;
    bool controlBox = true;
    FontSpec font;
    std::vector<ControlSpec> controls;

    // A text of this table as the user reads it: its translation under the window's name, or the
    // English itself where the user's language has none.
    QString translate(const QString &text) const
    {
        if (text.isEmpty())
            return text;
        return QCoreApplication::translate(name.toLatin1().constData(), text.toUtf8().constData());
    }
    // The same with its %1, %2... filled in, each word translated too.
    QString translate(const QString &text, const QStringList &fill) const
    {
        if (text.isEmpty())
            return text;
        QString result = translate(text);
        for (const QString &word : fill)
            result = result.arg(translate(word));
        return result;
    }
};

// Calculator windows share this background.
constexpr quint32 kCalculatorBack = 0x00FFFFC0;
// The main window's client area, behind every child window.
constexpr quint32 kClientAreaBack = 0x00C0E0FF;

} // namespace corvane
