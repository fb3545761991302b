#pragma once

// Small helpers shared by the test files.

#include "runtime/RuntimeError.h"

#include <QString>

// Runs an action and returns the number of the run-time error it raised, or
// 0 when it raised none, so a data-driven test compares it like any column.
template <typename Action>
int raisedErrorNumber(Action&& action)
{
    try {
        action();
    } catch (const runtime::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

inline int numberOf(runtime::ErrorCode code)
{
    return static_cast<int>(code);
}

// Seventeen digits tell any two doubles apart, signed zeros included.
inline QString exact(double value)
{
    return QString::number(value, 'g', 17);
}
