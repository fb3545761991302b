// Linked into a program only for the start-up benchmark: once the first
// window has painted its first frame, prints the steady clock in
// nanoseconds and the process's private dirty memory in KiB at that moment,
// then ends the process, so that the benchmark reads how long start-up took
// and, from the exit, the peak memory it needed.  With FIRST_FRAME_SMAPS
// naming a file, it also copies /proc/self/smaps there, to see which
// mappings the memory is in.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The Private_Dirty line of /proc/self/smaps_rollup, or -1 without one.
long long privateDirtyKibibytes()
{
    std::ifstream rollup("/proc/self/smaps_rollup");
    for (std::string key; rollup >> key;) {
        long long kibibytes = 0;
        if (key == "Private_Dirty:" && rollup >> kibibytes)
            return kibibytes;
    }
    return -1;
}

void copySmaps()
{
    if (const char* copy = std::getenv("FIRST_FRAME_SMAPS"))
        std::ofstream(copy) << std::ifstream("/proc/self/smaps").rdbuf();
}

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
                std::printf("%lld %lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()),
                            privateDirtyKibibytes());
                std::fflush(stdout);
                copySmaps();
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
