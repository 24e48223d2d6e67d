#include "window/runtime/conversions.h"

#include "window/runtime/errors.h"

#include <charconv>
#include <limits>

namespace rt {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

template <class Int>
std::optional<Int> fitting(long long wide)
{
    if (wide < std::numeric_limits<Int>::min() || wide > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(wide);
}

} // namespace

RunTimeError::RunTimeError(int number, const std::string& description)
    : std::runtime_error("Se ha producido el error '" + std::to_string(number) + "' en tiempo de ejecución:\n\n" + description)
    , number_(number)
{
}

WholeNumber textToWholeNumber(std::string_view text)
{
    std::string_view rest = trimBlanks(text);
    const bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+'))
        rest.remove_prefix(1);
    if (rest.empty())
        return {0, ConversionError::NotANumber};
    for (char c : rest) {
        if (!isDigit(c))
            return {0, ConversionError::NotANumber};
    }

    // Accumulate towards the negative side, which holds one more value than the positive side.
    constexpr long long limit = -static_cast<long long>(std::numeric_limits<std::int32_t>::min());
    long long magnitude = 0;
    for (char c : rest) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return {0, ConversionError::Overflow};
    }
    const auto value = fitting<std::int32_t>(negative ? -magnitude : magnitude);
    if (!value)
        return {0, ConversionError::Overflow};
    return {*value, ConversionError::None};
}

std::string wholeNumberToText(std::int64_t number)
{
    return std::to_string(number);
}

std::optional<std::int16_t> checkedAdd16(std::int16_t a, std::int16_t b)
{
    return fitting<std::int16_t>(static_cast<long long>(a) + b);
}

std::optional<std::int32_t> checkedAdd32(std::int32_t a, std::int32_t b)
{
    return fitting<std::int32_t>(static_cast<long long>(a) + b);
}

std::optional<std::int32_t> checkedSubtract32(std::int32_t a, std::int32_t b)
{
    return fitting<std::int32_t>(static_cast<long long>(a) - b);
}

std::int16_t add16(std::int16_t a, std::int16_t b)
{
    const auto sum = checkedAdd16(a, b);
    if (!sum)
        throw RunTimeError(kErrorOverflow, "Desbordamiento");
    return *sum;
}

} // namespace rt
