#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rt {

enum class ConversionError { None, NotANumber, Overflow };

struct WholeNumber {
    std::int32_t value = 0;
    ConversionError error = ConversionError::None;
    bool ok() const { return error == ConversionError::None; }
};

// Text to a 32-bit signed whole number. Accepted: optional blanks, an optional sign, decimal digits,
// optional blanks. Anything else (empty text, fractions, digit grouping, letters) is not a number;
// digits beyond the 32-bit range are an overflow. Never throws.
WholeNumber textToWholeNumber(std::string_view text);

// Decimal digits with a leading "-" when negative, no blank, no grouping.
std::string wholeNumberToText(std::int64_t number);

// Sums that report overflow instead of wrapping.
std::optional<std::int16_t> checkedAdd16(std::int16_t a, std::int16_t b);
std::optional<std::int32_t> checkedAdd32(std::int32_t a, std::int32_t b);
std::optional<std::int32_t> checkedSubtract32(std::int32_t a, std::int32_t b);

// The same for procedures without a handler of their own: overflow raises run-time error 6.
std::int16_t add16(std::int16_t a, std::int16_t b);

} // namespace rt
