#pragma once

#include <QtGlobal>
#include <cmath>
#include <optional>

// The one way a number of a formula or a report file becomes an integer. A
// double outside the range of the integer it is cast to (1E20, infinity, NaN)
// is undefined behaviour, so the value is checked against the limits its use
// allows first; the caller turns nullopt into its own error with a position.
// The fraction is cut toward zero, as a cast would. Limits must stay within
// +/-2^53, where every whole double is exact.
inline std::optional<qint64> wholeNumber(double value, qint64 min, qint64 max)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double whole = std::trunc(value);
    if (whole < double(min) || whole > double(max))
        return std::nullopt;
    return qint64(whole);
}
