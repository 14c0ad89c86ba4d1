// The window model. Every window is one object for the whole run; its own variables are plain
// members and survive Unload, while its controls exist only between Load and Unload.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

#include "numbers/errors.h"
#include "ui/layout.h"
#include "ui/messages.h"

class QMdiArea;
class QMdiSubWindow;

namespace corvane {

class Form;

// The hammer on its square that the main window and most child windows show.
QIcon applicationIcon();

// What the application frame hands down to the windows below it.
class FormHost {
public:
    virtual ~FormHost() = default;
    // Where child windows live; null while the main window is not loaded.
    virtual QMdiArea *mdiArea() = 0;
    // Told after a window was unloaded, so the program can end when none is left.
    virtual void windowUnloaded(Form &) {}
    // Tells a screen reader the text, without moving the focus.
    virtual void announce(const QString &) {}
};

class Form {
public:
    explicit Form(FormHost &host);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    QString name() const { return layout().name; }
    bool isLoaded() const { return !view_.isNull(); }
    bool isVisible() const;
    // A child window lives inside the main window; the others stand on their own.
    bool isChildWindow() const { return layout().frame == Frame::MdiChild; }

    // Creates the controls with their initial contents and runs Form_Load; a child window of
    // the main window becomes visible at once. Does nothing when already loaded.
    void Load();
    // Loads if needed, makes visible, brings to the front and activates.
    void Show();
    void Hide();
    // Discards the controls; the object and its variables stay. Nothing when not loaded.
    void Unload();
    // Puts the window behind its siblings.
    void ZOrderToBack();
    // Repaints at once.
    void Refresh();

    // The client widget, carrying the window's name; null when not loaded.
    QWidget *view() const { return view_; }
    // The outer window: the MDI frame of a child window, else the view itself.
    QWidget *window() const { return window_; }

    // Looks a control up, loading the window first; a name that does not exist is a runtime
    // error, as for an element of a control array past its end.
    QWidget *control(const QString &controlName);
    template <class W>
    W *controlAs(const QString &controlName)
    {
        auto *w = qobject_cast<W *>(control(controlName));
        if (!w)
            throw SubscriptOutOfRangeError();
        return w;
    }

    // The text of a text box, the caption of a label or button.
    QString text(const QString &controlName);
    void setText(const QString &controlName, const QString &value);
    // An option button: -1 selected, 0 not. A check box: 1 ticked, 0 clear.
    int value(const QString &controlName);
    void setValue(const QString &controlName, int value);

    // Position of the outer window in twips: from the main window's client corner for a child
    // window, from the screen's corner for a top-level one.
    void moveTo(double leftTwips, double topTwips);
    QSizeF outerSizeTwips() const;
    static QSizeF screenSizeTwips();

protected:
    virtual const FormLayout &layout() const = 0;
    // Connects the handlers to the freshly built controls.
    virtual void wire() {}
    virtual void Form_Load() {}
    // The widget that holds the controls; a plain widget unless the window is something more.
    virtual QWidget *createView() { return new QWidget; }
    // Builds the outer window around the view; the default follows the layout's frame.
    virtual QWidget *createWindow(QWidget *view);
    // Called while the controls still exist, before they are discarded.
    virtual void beforeUnload() {}

    FormHost &host() const { return host_; }
    void announce(const QString &text) { host_.announce(text); }

    // Every handler goes through the runtime-error guard.
    void onClick(const QString &controlName, std::function<void()> handler);
    template <class F>
    void onClick(const QString &controlName, void (F::*handler)())
    {
        onClick(controlName, [this, handler] { (static_cast<F *>(this)->*handler)(); });
    }
    void onTimer(const QString &timerName, std::function<void()> handler);
    // Any event of a control; the handler returns true to swallow the event.
    void onEvent(const QString &controlName, std::function<bool(QEvent *)> handler);

private:
    void attachCloseBox();
    void showChild();
    void runAndAnnounce(const std::function<void()> &handler);
    bool holdsFocus() const;
    QMdiSubWindow *windowUsedLast() const;
    void handFocusTo(QMdiSubWindow *child);

    FormHost &host_;
    QPointer<QWidget> view_;
    QPointer<QWidget> window_;
    // The results the running click has written, while one runs.
    std::optional<QStringList> written_;
};

} // namespace corvane
