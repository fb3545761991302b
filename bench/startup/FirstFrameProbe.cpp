// Linked into a program only for the start-up benchmark: once the first
// window has painted its first frame, prints the steady clock in
// nanoseconds and ends the process, so that the benchmark reads how long
// start-up took and, from the exit, the peak memory it needed.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstFrameProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (!seen_ && event->type() == QEvent::Paint && widget && widget->isWindow()) {
            seen_ = true;
            // Runs once the paint, and the flush that follows it, are done.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("%lld\n", static_cast<long long>(
                                          std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(
        new FirstFrameProbe(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
