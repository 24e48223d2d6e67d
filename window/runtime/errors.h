#pragma once

#include <stdexcept>
#include <string>

namespace rt {

// Thrown by End to unwind whatever procedure (and message box) called it; the form catches it where
// it delivered the event, so no statement after End runs.
struct ProgramEnded {};

// An error the runtime raises in a procedure that has no handler for it: the program reports it
// in a box and ends, as the desktop runtime does.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const std::string& description);
    int number() const { return number_; }

private:
    int number_;
};

inline constexpr int kErrorOverflow = 6;
inline constexpr int kErrorTypeMismatch = 13;

} // namespace rt
