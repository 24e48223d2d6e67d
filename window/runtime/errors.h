#pragma once

#include <stdexcept>
#include <string>

namespace rt {

// Thrown by End to unwind whatever procedure (and message box) called it; the form catches it where
// it delivered the event, so no statement after End runs.
struct ProgramEnded {};

// A run-time error with its number, raised where a procedure does something the window cannot do
// (a sum that overflows, a property given a value it cannot take). No procedure handles one: the
// form reports it in a box and the program ends.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const std::string& description);
    int number() const { return number_; }

private:
    int number_;
};

inline constexpr int kErrorOverflow = 6;
inline constexpr int kErrorInvalidPropertyValue = 380;

} // namespace rt
