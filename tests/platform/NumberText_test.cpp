#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/NumberText.h"

using namespace FMX;

TEST(FloatToStr, GeneralFormatWithFifteenSignificantDigits) {
  struct Case { double In; const char* Out; };
  for (auto [In, Out] : std::vector<Case>{
           {0, "0"},
           {1.5, "1.5"},
           {-2, "-2"},
           {0.00001, "0.00001"},
           {0.000001, "1E-6"},
           {123456789012345.0, "123456789012345"},
           {1e15, "1E15"},
           {6.123233995736766e-15, "6.12323399573677E-15"},
           {double(0.1f), "0.100000001490116"},
           {100, "100"},
           {1e20, "1E20"},
           {-1.25e-7, "-1.25E-7"},
           {999999999999999.9, "1E15"},
           {3.4028234663852886e38, "3.40282346638529E38"},
       })
    EXPECT_EQ(FloatToStr(In), Out) << In;
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FloatToStr(std::nan("")), "NAN");
}

TEST(FloatToStr, UsesTheDecimalSeparatorOfTheSettings) {
  const auto German = TFormatSettings::Create("de-DE");
  EXPECT_EQ(FloatToStr(1.5, German), "1,5");
  EXPECT_EQ(FloatToStr(1.5, TFormatSettings::Create("en-us")), "1.5");
}

TEST(StrToFloat, AcceptsSignsExponentsAndBlanks) {
  struct Case { const char* In; double Out; };
  for (auto [In, Out] : std::vector<Case>{{"1.5", 1.5},
                                          {" -2 ", -2},
                                          {"+3", 3},
                                          {".5", 0.5},
                                          {"5.", 5},
                                          {"1e2", 100},
                                          {"1E-6", 1e-6},
                                          {"2.5e+3", 2500},
                                          {"1e-400", 0},
                                          {"6.12323399573677E-15", 6.12323399573677e-15}})
    EXPECT_EQ(StrToFloat(In), Out) << In;
}

TEST(StrToFloat, RejectsMalformedTextWithAConversionError) {
  for (const char* In : {"", " ", "a", ".", "-", "1e", "e5", "1.2.3", "1,5", "1e999", "--1", "1 2", "0x10", "inf"}) {
    double V = 42;
    EXPECT_FALSE(TryStrToFloat(In, V)) << In;
    EXPECT_EQ(V, 42);
    EXPECT_THROW(StrToFloat(In), EConvertError) << In;
  }
}

TEST(StrToFloat, LongDigitRunsAreRead) {
  const std::string Long = "1" + std::string(300, '0');
  EXPECT_EQ(StrToFloat(Long), 1e300);
}

TEST(FloatToStr, RoundTripsEveryDoubleOfASingle) {
  for (float F : {0.1f, 1.0f / 3.0f, 3.4028235e38f, 1.17549435e-38f, 1.4e-45f, -7.25e-12f, 16777217.0f}) {
    const double Back = StrToFloat(FloatToStr(double(F)));
    EXPECT_EQ(float(Back), F) << FloatToStr(double(F));
  }
}

// What FloatToStr writes for the largest double rounds up past the double
// range; it reads back as the largest double. Just beyond that text is out
// of range.
TEST(StrToFloat, ReadsTheLargestDoubleAsWritten) {
  const double Max = std::numeric_limits<double>::max();
  EXPECT_EQ(FloatToStr(Max), "1.79769313486232E308");
  const struct {
    const char* Text;
    bool Ok;
    double Value;
  } Cases[] = {
      {"1.79769313486232E308", true, Max},     {"-1.79769313486232E308", true, -Max},
      {"1.797693134862316E308", true, Max},    {"179769313486232e294", true, Max},
      {"1.79769313486233E308", false, 0},      {"1.7976931348623201E308", false, 0},
      {"1.8E308", false, 0},
  };
  for (const auto& C : Cases) {
    double V = 0;
    EXPECT_EQ(TryStrToFloat(C.Text, V), C.Ok) << C.Text;
    if (C.Ok) {
      EXPECT_EQ(V, C.Value) << C.Text;
    }
  }
  const FMX::TFormatSettings Comma = FMX::TFormatSettings::Create("de-de");
  EXPECT_EQ(StrToFloat(FloatToStr(-Max, Comma), Comma), -Max);
}

// Error messages quote a bounded prefix of the text, keep embedded NULs and
// never cut a character in half.
TEST(StrToFloat, MessagesQuoteABoundedPrefix) {
  const struct {
    std::string Text, Message;
  } Cases[] = {
      {std::string("12\0ab", 5), std::string("'12\0ab' is not a valid floating point value", 43)},
      {std::string(64, 'x'), "'" + std::string(64, 'x') + "' is not a valid floating point value"},
      {std::string(1000000, '9') + "x", "'" + std::string(64, '9') + "...' is not a valid floating point value"},
      {std::string(63, 'x') + "\xC3\xA9" + "tail" + std::string(10, 'z'),
       "'" + std::string(63, 'x') + "...' is not a valid floating point value"},
  };
  for (const auto& C : Cases) {
    try {
      StrToFloat(C.Text);
      ADD_FAILURE() << "no error";
    } catch (const FMX::EConvertError& E) {
      EXPECT_EQ(E.Message(), C.Message);
    }
  }
}
