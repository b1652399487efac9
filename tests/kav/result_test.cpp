// The result window's texts: the nominal value with its comma and unit prefix, the tolerance
// and the temperature coefficient.
#include <cstdint>
#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "kav_session.h"

namespace kav::testing {
namespace {

using WriteCode = UINT32(INT16, INT16, UINT16, UINT16, UINT16, UINT16, UINT16, UINT16);

// Value codes by colour name: digit bands, then the multiplier band.
const std::map<std::string, UINT16> kDigitCode = {
    {"black", 1}, {"brown", 2}, {"red", 3},     {"orange", 4}, {"yellow", 5}, {"green", 6},
    {"blue", 7},  {"violet", 8}, {"grey", 9},   {"white", 10}, {"[no]", 0}};
const std::map<std::string, UINT16> kMultiplierCode = {
    {"black", 1}, {"brown", 2},  {"red", 3},   {"orange", 4}, {"yellow", 5}, {"green", 6},
    {"blue", 7},  {"violet", 8}, {"grey", 9},  {"white", 10}, {"gold", 11},  {"silver", 12}};

class KavResult : public ::testing::Test {
 protected:
  KavSession s;
  WriteCode& writeCode = s.sym<WriteCode>("writeCode");
  char (&nomval)[7] = s.sym<char[7]>("nomval");
  char (&stp)[14] = s.sym<char[14]>("stp");

  // nomval with its trailing blanks cut.
  std::string nominal() const {
    std::string t(nomval);
    return t.substr(0, t.find_last_not_of(' ') + 1);
  }
};

struct NominalCase {
  const char *d1, *d2, *d3, *m;
  const char* nomval;
  char prefix;
};

TEST_F(KavResult, NominalLineFollowsTheDigitsAndTheMultiplier) {
  const char M = char(0xCC);
  const NominalCase cases[] = {
      {"brown", "black", "black", "black", "100", ' '},
      {"yellow", "violet", "black", "brown", "4,70", 'K'},
      {"red", "red", "black", "red", "22,0", 'K'},
      {"brown", "black", "black", "orange", "100", 'K'},
      {"yellow", "violet", "black", "yellow", "4,70", M},
      {"brown", "black", "black", "blue", "100", M},
      {"white", "white", "white", "white", "999", 'G'},
      {"brown", "black", "black", "gold", "10,0", ' '},
      {"yellow", "violet", "black", "silver", "4,70", ' '},
      {"[no]", "yellow", "violet", "black", " 47", ' '},
      {"[no]", "yellow", "violet", "brown", "0,47", 'K'},
      {"[no]", "yellow", "violet", "red", " 4,7", 'K'},
      {"[no]", "black", "black", "orange", "0", 'K'},
      {"black", "yellow", "violet", "black", " 47", ' '},
      {"black", "yellow", "violet", "brown", "0,47", 'K'},
      {"black", "black", "green", "black", " 05", ' '},
      {"black", "black", "black", "black", "0", ' '},
      {"black", "black", "violet", "red", " 0,7", 'K'},
      {"black", "black", "brown", "silver", "0,01", ' '},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.d1) + " " + c.d2 + " " + c.d3 + " " + c.m);
    EXPECT_EQ(writeCode(13, 75, kDigitCode.at(c.d1), kDigitCode.at(c.d2), kDigitCode.at(c.d3),
                        kMultiplierCode.at(c.m), 0, 0),
              0u);
    EXPECT_EQ(nominal(), c.nomval);
    EXPECT_EQ(nomval[6], 0);
    EXPECT_EQ(stp[9], c.prefix);
    EXPECT_EQ(std::string(stp, 9) + std::string(stp + 10), "Naminal, Om:");
  }
}

TEST_F(KavResult, ToleranceAndCoefficientTexts) {
  auto& ofDop = s.sym<const char*(UINT16)>("ofDop");
  auto& ofD = s.sym<const char*(UINT16)>("ofD");
  const std::map<UINT16, std::string> tolerance = {
      {5, "+/-0,05  "}, {10, "+/-0,1   "}, {25, "+/-0,25  "}, {50, "+/-0,5   "},
      {100, "+/-1   "}, {200, "+/-2   "},  {500, "+/-5   "},  {1000, "+/-10  "},
      {0, "+/-20  "},   {7, "+/-20  "}};
  const std::map<UINT16, std::string> coefficient = {
      {1, "1   "},  {5, "5   "},  {10, "10  "},  {15, "15  "}, {25, "25  "},
      {50, "50  "}, {100, "100 "}, {0, "0   "},  {2, "0   "}};
  for (const auto& [code, text] : tolerance) EXPECT_EQ(ofDop(code), text) << code;
  for (const auto& [code, text] : coefficient) EXPECT_EQ(ofD(code), text) << code;

  auto& cm = s.sym<char(UINT16)>("cm");
  for (UINT16 code = 1; code <= 10; ++code) EXPECT_EQ(cm(code), char('0' + code - 1));
  EXPECT_EQ(cm(0), ' ');
  EXPECT_EQ(cm(11), ' ');
}

// Reads the nominal line back as a value in hundredths of an ohm: a number with at most one
// decimal comma, leading blanks allowed, times the unit prefix of the label.
std::optional<uint64_t> readCentiOhms(const std::string& text, char prefix) {
  std::string t = text.substr(0, text.find_last_not_of(' ') + 1);
  size_t start = t.find_first_not_of(' ');
  if (start == std::string::npos) return std::nullopt;
  uint64_t digits = 0;
  int decimals = -1;
  for (char ch : t.substr(start)) {
    if (ch == ',') {
      if (decimals >= 0) return std::nullopt;
      decimals = 0;
    } else if (ch >= '0' && ch <= '9') {
      digits = digits * 10 + uint64_t(ch - '0');
      if (decimals >= 0) ++decimals;
    } else {
      return std::nullopt;
    }
  }
  if (decimals == 0) return std::nullopt;  // a comma needs a digit after it
  uint64_t scale = 100;
  switch (prefix) {
    case ' ': break;
    case 'K': scale *= 1000; break;
    case char(0xCC): scale *= 1000000; break;
    case 'G': scale *= 1000000000; break;
    default: return std::nullopt;
  }
  for (int i = 0; i < std::max(decimals, 0); ++i) scale /= 10;
  return digits * scale;
}

TEST_F(KavResult, EveryBandSettingReadsBackAsItsValue) {
  auto& ch3 = s.sym<const UINT16[11]>("ch3");
  auto& ch2 = s.sym<const UINT16[12]>("ch2");
  s.platform().trace().enable(false);  // thirteen thousand windows: keep no call record
  for (int a = 0; a <= 10; ++a)
    for (int b = 0; b <= 9; ++b)
      for (int c = 0; c <= 9; ++c)
        for (int m = 0; m <= 11; ++m) {
          // Independent computation: three digits (no first digit counts as none) times the
          // multiplier's factor, in hundredths of an ohm.
          const uint64_t number = uint64_t(a == 10 ? 0 : a) * 100 + uint64_t(b) * 10 + c;
          uint64_t factor = m == 10 ? 10 : m == 11 ? 1 : 100;
          for (int k = 0; k < m && m < 10; ++k) factor *= 10;
          writeCode(13, 75, ch3[a], ch3[b], ch3[c], ch2[m], 0, 0);
          const auto read = readCentiOhms(nomval, stp[9]);
          ASSERT_TRUE(read.has_value())
              << "unreadable \"" << nomval << "\" prefix '" << stp[9] << "' for " << a << b
              << c << " m" << m;
          ASSERT_EQ(*read, number * factor)
              << "\"" << nomval << "\" prefix '" << stp[9] << "' for " << a << b << c << " m"
              << m;
          // The comma never ends the text and never leads it.
          const std::string t(nomval);
          ASSERT_NE(t.find_first_not_of(' '), t.find(','));
        }
}

}  // namespace
}  // namespace kav::testing
