#pragma once

#include <exception>

// The silent abort: unwinds the current user operation without a message.
// Whoever shows errors to the user lets it pass without showing anything.
class EAbort : public std::exception
{
public:
    const char *what() const noexcept override { return "Operation aborted"; }
};
