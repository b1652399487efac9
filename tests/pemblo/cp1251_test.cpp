// The editor's 16-bit text to Windows-1251: every unit is checked against the code page.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "pemblo_session.h"

using namespace pemblo_test;

namespace {

// Unicode of the Windows-1251 bytes 0x80..0xBF (0x98 has no character).
const char16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

class Convert : public testing::Test {
 protected:
  // The bytes written for `units` (terminated here), and a check that exactly one byte per
  // unit, the terminator included, was written.
  std::string convert(std::u16string units) {
    std::vector<WCHAR> src(units.begin(), units.end());
    src.push_back(0);
    std::vector<char> dst(src.size() + 8, '#');
    p_.var<void(const WCHAR*, char*)>("UCS2toCP1251")(src.data(), dst.data());
    EXPECT_EQ(dst[src.size() - 1], 0);
    for (size_t i = src.size(); i < dst.size(); ++i) EXPECT_EQ(dst[i], '#') << "written past";
    return std::string(dst.data(), src.size() - 1);
  }
  uint8_t one(char16_t unit) {
    std::string s = convert(std::u16string(1, unit));
    return s.empty() ? 0 : uint8_t(s[0]);
  }
  Pemblo p_;
};

}  // namespace

TEST_F(Convert, KnownUnits) {
  const std::pair<char16_t, uint8_t> cases[] = {
      {0x0410, 0xC0}, {0x044F, 0xFF}, {0x0401, 0xA8}, {0x0451, 0xB8}, {0x00CD, 0xCD},
      {0x0041, 0x41}, {0x0404, 0xAA}, {0x0406, 0xB2}, {0x0490, 0xA5}, {0x20AC, 0x88},
      {0x2116, 0xB9}, {0x2013, 0x96}, {0x0402, 0x80}, {0x045F, 0x9F}, {0x00A0, 0xA0},
      {0x0098, 0x98}, {0x0001, 0x01}, {0x0450, '?'},  {0x0100, '?'},  {0x4E2D, '?'},
      {0xFFFF, '?'},  {0x0500, '?'},  {0x0310, '?'},  {0x0460, '?'},
  };
  for (auto [unit, byte] : cases) EXPECT_EQ(one(unit), byte) << std::hex << int(unit);
}

TEST_F(Convert, EveryUnitGetsItsCodePageByteOrAQuestionMark) {
  std::map<char16_t, uint8_t> codePage;
  for (int b = 0xC0; b <= 0xFF; ++b) codePage[char16_t(0x0410 + b - 0xC0)] = uint8_t(b);
  for (int i = 0; i < 64; ++i)
    if (kUpperHalf[i] >= 0x100) codePage[kUpperHalf[i]] = uint8_t(0x80 + i);
  std::u16string all;
  std::string expected;
  for (char32_t u = 1; u <= 0xFFFF; ++u) {
    all += char16_t(u);
    if (u < 0x100)
      expected += char(u);  // units below 0x100 carry their byte as it is
    else if (auto it = codePage.find(char16_t(u)); it != codePage.end())
      expected += char(it->second);
    else
      expected += '?';
  }
  EXPECT_EQ(convert(all), expected);
}

TEST_F(Convert, OnlyTheTerminatorEndsTheText) {
  EXPECT_EQ(convert(u"A\u0450B"), "A?B");
  EXPECT_EQ(convert(u"\u041F\u0440\u0438\u0432\u0435\u0442 \u0401\u0451"),
            "\xCF\xF0\xE8\xE2\xE5\xF2 \xA8\xB8");
  EXPECT_EQ(convert(u"\u00CF\u00F0\u00E8"), "\xCF\xF0\xE8");  // the one-byte form as well
  EXPECT_EQ(convert(u""), "");
}
