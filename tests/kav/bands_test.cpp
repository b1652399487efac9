// The band model: for every band and colour index, the name shown, the value code and the
// screen colour.
#include <map>
#include <string>
#include <vector>

#include "kav_session.h"

namespace kav::testing {
namespace {

struct Choice {
  const char* name;
  UINT16 code;
  uint32_t colour;
};

const std::vector<Choice> kDigits = {
    {"black", 1, 0x00000000},  {"brown", 2, 0x55110000}, {"red", 3, 0x80000000},
    {"orange", 4, 0x80400000}, {"yellow", 5, 0x80800000}, {"green", 6, 0x00800000},
    {"blue", 7, 0x00008000},   {"violet", 8, 0x80004000}, {"grey", 9, 0x20202000},
    {"white", 10, 0xFFFFFF00}, {"[no]", 0, 0x20101000}};

const std::vector<Choice> kMultipliers = {
    {"black", 1, 0x00000000},  {"brown", 2, 0x55110000},  {"red", 3, 0x80000000},
    {"orange", 4, 0x80400000}, {"yellow", 5, 0x80800000}, {"green", 6, 0x00800000},
    {"blue", 7, 0x00008000},   {"violet", 8, 0x80004000}, {"grey", 9, 0x20202000},
    {"white", 10, 0xFFFFFF00}, {"gold", 11, 0xFFFF0000},  {"sliver", 12, 0x90909000}};

const std::vector<Choice> kTolerances = {
    {"grey", 5, 0x20202000},    {"violet", 10, 0x80004000}, {"blue", 25, 0x00008000},
    {"green", 50, 0x00800000},  {"brown", 100, 0x55110000}, {"red", 200, 0x80000000},
    {"gold", 500, 0xFFFF0000},  {"sliver", 1000, 0x90909000}, {"[no]", 0, 0x20101000}};

const std::vector<Choice> kCoefficients = {
    {"brown", 1, 0x55110000},   {"red", 5, 0x80000000},    {"yellow", 10, 0x80800000},
    {"orange", 15, 0x80400000}, {"blue", 25, 0x00008000},  {"violet", 50, 0x80004000},
    {"white", 100, 0xFFFFFF00}, {"[no]", 0, 0x20101000}};

struct Band {
  int band;
  const char* names;
  const char* codes;
  const std::vector<Choice>* choices;
  UINT16 largest;  // settmax
};

const Band kBands[] = {
    {0, "col3", "ch3", &kDigits, 10},       {1, "col3", "ch3", &kDigits, 9},
    {2, "col3", "ch3", &kDigits, 9},        {3, "col2", "ch2", &kMultipliers, 11},
    {4, "col4", "ch4", &kTolerances, 8},    {5, "col5", "ch5", &kCoefficients, 7}};

TEST(KavBands, EveryChoiceHasItsNameValueCodeAndColour) {
  KavSession s;
  auto& gColor = s.sym<UINT32(UINT16, UINT16)>("gColor");
  for (const Band& b : kBands) {
    auto* names = &s.sym<const char* const>(b.names);
    auto* codes = &s.sym<const UINT16>(b.codes);
    for (size_t i = 0; i < b.choices->size(); ++i) {
      const Choice& c = (*b.choices)[i];
      SCOPED_TRACE("band " + std::to_string(b.band) + " index " + std::to_string(i));
      EXPECT_STREQ(names[i], c.name);
      EXPECT_EQ(codes[i], c.code);
      EXPECT_EQ(gColor(UINT16(i), UINT16(b.band)), c.colour);
    }
  }
}

TEST(KavBands, LargestIndexesLetOnlyTheFirstDigitBandReachNo) {
  KavSession s;
  auto& settmax = s.sym<UINT16[6]>("settmax");
  for (const Band& b : kBands) {
    EXPECT_EQ(settmax[b.band], b.largest) << "band " << b.band;
    EXPECT_LE(size_t(b.largest) + 1, b.choices->size());
  }
  EXPECT_STREQ(s.sym<const char* const[11]>("col3")[settmax[0]], "[no]");
  EXPECT_STREQ(s.sym<const char* const[11]>("col3")[settmax[1]], "white");
  EXPECT_STREQ(s.sym<const char* const[11]>("col3")[settmax[2]], "white");
}

TEST(KavBands, AColourNameLooksTheSameInEveryBand) {
  KavSession s;
  auto& gColor = s.sym<UINT32(UINT16, UINT16)>("gColor");
  std::map<std::string, uint32_t> seen;
  for (const Band& b : kBands) {
    for (size_t i = 0; i < b.choices->size(); ++i) {
      const std::string name = (*b.choices)[i].name;
      const uint32_t colour = gColor(UINT16(i), UINT16(b.band));
      auto [it, fresh] = seen.emplace(name, colour);
      EXPECT_EQ(it->second, colour) << name << " in band " << b.band;
      // Black is the only colour of value 0: the screen frames it.
      EXPECT_EQ(colour == 0, name == "black") << name;
    }
  }
}

}  // namespace
}  // namespace kav::testing
