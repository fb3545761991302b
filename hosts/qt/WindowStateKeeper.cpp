#include "WindowStateKeeper.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace qthost {

namespace {

constexpr Qt::WindowStates filling = Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

WindowStateKeeper::WindowStateKeeper(QWidget* window)
    : QObject(window)
    , window_(window)
{
    window->installEventFilter(this);
}

bool WindowStateKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        if (event->type() == QEvent::WindowStateChange)
            returnToNormal();
        // After the show event, where a message box fixes its own size.
        else if (event->type() == QEvent::ShowToParent && onWayland())
            window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    return QObject::eventFilter(watched, event);
}

void WindowStateKeeper::returnToNormal()
{
    if (!(window_->windowState() & filling))
        return;
    if (lastRefusedFilling_.isValid() && !lastRefusedFilling_.hasExpired(1000))
        return;
    lastRefusedFilling_.start();
    // Once the state change has reached the window itself.
    QMetaObject::invokeMethod(
        window_, [window = window_] { window->setWindowState(window->windowState() & ~filling); },
        Qt::QueuedConnection);
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace qthost
