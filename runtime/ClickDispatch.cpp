#include "ClickDispatch.h"

#include "runtime/RuntimeError.h"

#include <new>

namespace runtime {

void deliverClick(Host& host, ClickHandler handler)
{
    std::u16string report;
    try {
        handler(host);
        return;
    } catch (const RuntimeError& error) {
        report = error.report();
    } catch (const std::bad_alloc&) {
        report = RuntimeError(ErrorCode::OutOfMemory).report();
    } catch (const std::exception&) {
        report = RuntimeError(ErrorCode::InternalError).report();
    }
    // Shown outside the handler so that nothing it held is alive meanwhile.
    host.showMessage(report);
}

} // namespace runtime
