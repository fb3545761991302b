#include "X11Desktop.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

namespace qthost {

namespace {

class FocusOnBox final : public QObject, public QAbstractNativeEventFilter {
public:
    FocusOnBox(QWidget& box, xcb_connection_t* connection)
        : QObject(&box)
        , box_(box)
        , connection_(connection)
    {
        qApp->installNativeEventFilter(this);
    }
    ~FocusOnBox() override { qApp->removeNativeEventFilter(this); }
    FocusOnBox(const FocusOnBox&) = delete;
    FocusOnBox& operator=(const FocusOnBox&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || !box_.isVisible())
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
        case XCB_FOCUS_IN: {
            const auto* focusIn = reinterpret_cast<const xcb_focus_in_event_t*>(event);
            // The pointer's own focus events say nothing of the keyboard's.
            if (focusIn->detail != XCB_NOTIFY_DETAIL_POINTER && blockedBy(focusIn->event))
                giveFocusToBox(currentTime());
            break;
        }
        // A click on a blocked window's bottom edge: openbox gives the
        // keyboard to no client then, and the box only loses it.
        case XCB_FOCUS_OUT: {
            const auto* focusOut = reinterpret_cast<const xcb_focus_out_event_t*>(event);
            if (focusOut->event == boxWindow() && focusOut->detail != XCB_NOTIFY_DETAIL_POINTER &&
                keyboardUnclaimed())
                giveFocusToBox(currentTime());
            break;
        }
        default:
            break;
        }
        return false; // Qt still hears of it
    }

private:
    xcb_window_t boxWindow() const { return static_cast<xcb_window_t>(box_.winId()); }

    // Whether <window> is another of the program's top-level windows, all of
    // which the box blocks.
    bool blockedBy(xcb_window_t window) const
    {
        if (window == boxWindow())
            return false;
        for (const QWindow* shown : QGuiApplication::topLevelWindows())
            if (shown->handle() && static_cast<xcb_window_t>(shown->winId()) == window)
                return true;
        return false;
    }

    // Whether no client has the keyboard: it is on nothing, the root, or the
    // window manager's own check window (openbox puts it there).
    bool keyboardUnclaimed() const
    {
        xcb_get_input_focus_reply_t* focus =
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr);
        if (!focus)
            return false;
        const xcb_window_t focused = focus->focus;
        std::free(focus);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        return focused == XCB_NONE || focused == XCB_INPUT_FOCUS_POINTER_ROOT || focused == root ||
               focused == windowManagerCheck(root);
    }

    xcb_window_t windowManagerCheck(xcb_window_t root) const
    {
        static constexpr char name[] = "_NET_SUPPORTING_WM_CHECK";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 1, sizeof name - 1, name), nullptr);
        xcb_window_t check = XCB_NONE;
        if (atom && atom->atom != XCB_NONE) {
            xcb_get_property_reply_t* property = xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
            if (property &&
                xcb_get_property_value_length(property) == static_cast<int>(sizeof(xcb_window_t)))
                check = *static_cast<xcb_window_t*>(xcb_get_property_value(property));
            std::free(property);
        }
        std::free(atom);
        return check;
    }

    // The time of the event Qt handled last; a focus request older than the
    // last focus change is ignored.
    static xcb_timestamp_t currentTime()
    {
        return static_cast<xcb_timestamp_t>(reinterpret_cast<std::uintptr_t>(
            QGuiApplication::platformNativeInterface()->nativeResourceForIntegration(
                QByteArrayLiteral("apptime"))));
    }

    void giveFocusToBox(xcb_timestamp_t time)
    {
        xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, boxWindow(), time);
        xcb_flush(connection_);
    }

    QWidget& box_;
    xcb_connection_t* connection_;
};

class OwnSizeWhenTiled final : public QObject {
public:
    explicit OwnSizeWhenTiled(QWidget& window)
        : QObject(&window)
        , window_(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Resize)
            // Once the window has heard of any state that came with the size.
            QMetaObject::invokeMethod(this, &OwnSizeWhenTiled::showAgainIfStretched,
                                      Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    void showAgainIfStretched()
    {
        // Fullscreen is undone elsewhere; a tile, which i3 4.24 calls
        // maximised, is not.
        if (!window_.isVisible() || window_.windowState() & Qt::WindowFullScreen ||
            window_.size() == window_.minimumSize() ||
            window_.minimumSize() != window_.maximumSize())
            return;
        // A window manager that maps it stretched again gets its way.
        if (lastShown_.isValid() && !lastShown_.hasExpired(2000))
            return;
        lastShown_.start();
        QWidget* focus = window_.focusWidget();
        window_.hide();
        window_.resize(window_.minimumSize());
        window_.show();
        window_.activateWindow();
        if (focus)
            focus->setFocus();
    }

    QWidget& window_;
    QElapsedTimer lastShown_;
};

bool onX11()
{
    return qApp->nativeInterface<QNativeInterface::QX11Application>() != nullptr;
}

} // namespace

void keepOwnSizeWhenTiled(QWidget& window)
{
    if (onX11())
        new OwnSizeWhenTiled(window);
}

void keepX11FocusOnBox(QWidget& box)
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11)
        new FocusOnBox(box, x11->connection());
}

} // namespace qthost
