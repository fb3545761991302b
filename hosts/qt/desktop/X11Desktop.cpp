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
        if ((event->response_type & 0x7f) != XCB_FOCUS_IN)
            return false;
        const auto* focusIn = reinterpret_cast<const xcb_focus_in_event_t*>(event);
        // The pointer's own focus events say nothing of the keyboard's.
        if (focusIn->detail == XCB_NOTIFY_DETAIL_POINTER || focusIn->event == boxWindow())
            return false;
        if (blockedBy(focusIn->event))
            giveFocusToBox();
        return false; // Qt still hears of it
    }

private:
    xcb_window_t boxWindow() const { return static_cast<xcb_window_t>(box_.winId()); }

    // Whether <window> is another of the program's top-level windows, all of
    // which the box blocks.
    bool blockedBy(xcb_window_t window) const
    {
        for (const QWindow* shown : QGuiApplication::topLevelWindows())
            if (shown->handle() && static_cast<xcb_window_t>(shown->winId()) == window)
                return true;
        return false;
    }

    void giveFocusToBox()
    {
        // The time of the event that moved the focus here, which Qt keeps;
        // a request older than the last focus change is ignored.
        const auto time = static_cast<xcb_timestamp_t>(reinterpret_cast<std::uintptr_t>(
            QGuiApplication::platformNativeInterface()->nativeResourceForIntegration(
                QByteArrayLiteral("apptime"))));
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
        constexpr Qt::WindowStates filling = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (!window_.isVisible() || window_.windowState() & filling ||
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
