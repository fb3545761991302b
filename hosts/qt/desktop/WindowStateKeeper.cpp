#include "WindowStateKeeper.h"

#include "hosts/qt/desktop/XdgToplevel.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace qthost {

namespace {

constexpr Qt::WindowStates filling = Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

WindowStateKeeper::WindowStateKeeper(QWidget* window, bool wayland)
    : QObject(window)
    , window_(window)
    , wayland_(wayland)
{
    window->installEventFilter(this);
}

bool WindowStateKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::WindowStateChange:
        returnToNormal();
        break;
    // A compositor may resize it whatever the maximum it heard (weston did
    // through Qt's frame); outside a filling state it takes its size back.
    case QEvent::Resize:
        if (wayland_ && !(window_->windowState() & filling) &&
            window_->size() != window_->minimumSize())
            window_->resize(window_->minimumSize());
        break;
    // A message box fixes its own size when it shows and again whenever its
    // layout, style or font changes.  So the window handles these first and
    // the maximum is lifted at once, before any configure is clamped to it.
    case QEvent::ShowToParent:
    case QEvent::LayoutRequest:
    case QEvent::StyleChange:
    case QEvent::FontChange:
        if (wayland_ && window_->isVisible()) {
            static_cast<QObject*>(window_)->event(event);
            if (window_->maximumSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) {
                window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
                advertiseFixedSize(*window_->windowHandle());
            }
            return true;
        }
        break;
    default:
        break;
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

} // namespace qthost
