#include "window/runtime/conversions.h"
#include "window/runtime/errors.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using rt::ConversionError;

struct TextCase {
    const char* text;
    std::int32_t value;
    ConversionError error;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TextToWholeNumber : public testing::TestWithParam<TextCase> {};

TEST_P(TextToWholeNumber, ConvertsOrReportsWhy)
{
    const rt::WholeNumber result = rt::textToWholeNumber(GetParam().text);
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_EQ(result.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, TextToWholeNumber, testing::Values(
    TextCase{"0", 0, ConversionError::None},
    TextCase{"5000", 5000, ConversionError::None},
    TextCase{"  125 ", 125, ConversionError::None},
    TextCase{"\t7\t", 7, ConversionError::None},
    TextCase{"+42", 42, ConversionError::None},
    TextCase{"-42", -42, ConversionError::None},
    TextCase{"007", 7, ConversionError::None},
    TextCase{"2147483647", 2147483647, ConversionError::None},
    TextCase{"-2147483648", std::numeric_limits<std::int32_t>::min(), ConversionError::None},
    TextCase{"2147483648", 0, ConversionError::Overflow},
    TextCase{"-2147483649", 0, ConversionError::Overflow},
    TextCase{"99999999999999999999999", 0, ConversionError::Overflow},
    TextCase{"", 0, ConversionError::NotANumber},
    TextCase{"   ", 0, ConversionError::NotANumber},
    TextCase{"-", 0, ConversionError::NotANumber},
    TextCase{"+ 5", 0, ConversionError::NotANumber},
    TextCase{"12a", 0, ConversionError::NotANumber},
    TextCase{"abc", 0, ConversionError::NotANumber},
    TextCase{"1.5", 0, ConversionError::NotANumber},
    TextCase{"1,5", 0, ConversionError::NotANumber},
    TextCase{"1.000", 0, ConversionError::NotANumber},
    TextCase{"1 000", 0, ConversionError::NotANumber},
    TextCase{"--1", 0, ConversionError::NotANumber},
    TextCase{"&H10", 0, ConversionError::NotANumber}));

TEST(WholeNumberToText, DigitsWithALeadingMinusAndNoBlank)
{
    EXPECT_EQ(rt::wholeNumberToText(0), "0");
    EXPECT_EQ(rt::wholeNumberToText(5000), "5000");
    EXPECT_EQ(rt::wholeNumberToText(-4999), "-4999");
    EXPECT_EQ(rt::wholeNumberToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(CheckedSums, ReportOverflowInsteadOfWrapping)
{
    constexpr auto max16 = std::numeric_limits<std::int16_t>::max();
    constexpr auto max32 = std::numeric_limits<std::int32_t>::max();
    constexpr auto min32 = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(rt::checkedAdd16(101, 1), std::int16_t{102});
    EXPECT_EQ(rt::checkedAdd16(max16, 1), std::nullopt);
    EXPECT_EQ(rt::checkedAdd32(max32, 0), max32);
    EXPECT_EQ(rt::checkedAdd32(max32, 1), std::nullopt);
    EXPECT_EQ(rt::checkedSubtract32(0, min32), std::nullopt);
    EXPECT_EQ(rt::checkedSubtract32(min32, 1), std::nullopt);
    EXPECT_EQ(rt::checkedSubtract32(5000, 0), 5000);
    EXPECT_EQ(rt::checkedSubtract32(-1, min32), max32);
    EXPECT_THROW(rt::add16(max16, 1), rt::RunTimeError);
}

} // namespace
