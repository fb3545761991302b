#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Reports a start that failed for the reason given: writes the report as a
// line to standard error, which a terminal shows, and returns the same
// words for the box a host shows, which a desktop launch shows.
std::string reportStartFailure(std::string_view reason);

} // namespace runtime
