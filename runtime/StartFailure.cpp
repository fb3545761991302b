#include "StartFailure.h"

#include "runtime/MessageText.h"

#include <cstdio>

namespace runtime {

std::string reportStartFailure(std::string_view reason)
{
    std::string report = messages::startFailed(reason);
    std::fputs((report + '\n').c_str(), stderr);
    return report;
}

} // namespace runtime
