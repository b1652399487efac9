// What the user sees: the list editor's screens against references in tests/golden.
#include <gtest/gtest.h>

#include "golden.h"
#include "pemblo_session.h"

using namespace pemblo_test;
using phone::testing::expectGolden;

namespace {

// Twelve records of a Russian phone list in Windows-1251, and one more for the next page.
std::vector<std::string> russianList() {
  return {
      "\xC8\xE2\xE0\xED\xEE\xE2 \xC8\xE2\xE0\xED +79001234567",  // Иванов Иван
      "\xCF\xE5\xF2\xF0\xEE\xE2 +380501112233",                  // Петров
      "\xA8\xEB\xEA\xE0 \x96 \xAB\xF2\xE5\xF1\xF2\xBB",          // Ёлка – «тест»
      "\xD1\xE8\xE4\xEE\xF0\xEE\xE2\xE0 \xC0\xED\xED\xE0",       // Сидорова Анна
      "+80441234567 \xF0\xE0\xE1\xEE\xF2\xE0",                   // работа
      "",
      "\xDF\xEA\xEE\xE2\xEB\xE5\xE2 +79995550000",               // Яковлев
      "\xFD\xF2\xEE \xEE\xF7\xE5\xED\xFC \xE4\xEB\xE8\xED\xED\xE0\xFF \xE7\xE0\xEF\xE8\xF1\xFC "
      "\xE2 \xF1\xEF\xE8\xF1\xEA\xE5",                           // это очень длинная запись в списке
      "\xC1\xE0\xED\xEA",                                         // Банк
      "+380671234567",
      "\xD2\xE0\xEA\xF1\xE8",                                     // Такси
      "\xC4\xEE\xEC",                                             // Дом
      "\xD8\xEA\xEE\xEB\xE0",                                     // Школа
  };
}

std::vector<std::string> englishList() {
  return {"John Smith +15551234567", "Office +442071234567", "Spam caller", "Bank", "",
          "A record much longer than the screen is wide, cut at 32", "Taxi +380671234567",
          "Mum", "Dad", "School", "+80501234567 info", "Doctor", "Plumber"};
}

struct Screen {
  const char* name;
  std::string language;
  std::optional<std::string> list;
  std::vector<uint8_t> keys;
};

}  // namespace

TEST(Golden, Screens) {
  const auto en = join(englishList()), ru = join(russianList());
  const Screen screens[] = {
      {"pemblo_default_en", "en", std::nullopt, {}},
      {"pemblo_default_ru", "#ru", std::nullopt, {}},
      {"pemblo_page_en", "en", en, {kDown, kDown}},
      {"pemblo_page_ru", "#ru", ru, {kDown, kDown}},
      {"pemblo_last_page_en", "en", en, {kUp}},
      {"pemblo_last_page_ru", "#ru", ru, {kUp}},
      {"pemblo_menu_en", "en", en, {kDown, kMenu, kDown, kDown}},
      {"pemblo_menu_ru", "#ru", ru, {kDown, kMenu, kDown, kDown}},
      {"pemblo_exit_en", "en", en, {kMenu, kUp, kSelect, kLeft}},
      {"pemblo_exit_ru", "#ru", ru, {kMenu, kUp, kSelect}},
      {"pemblo_about_en", "en", en, {kMenu, kUp, kUp, kSelect}},
      {"pemblo_about_ru", "#ru", ru, {kMenu, kUp, kUp, kSelect}},
      {"pemblo_error_en", "en", std::nullopt, {kMenu, kDown, kSelect}},
      {"pemblo_error_ru", "#ru", "\xC8\xE2\xE0\xED", {kMenu, kDown, kSelect}},
  };
  for (const auto& s : screens) {
    SCOPED_TRACE(s.name);
    Pemblo p(Options{.list = s.list, .language = s.language});
    for (auto k : s.keys) p.key(k);
    expectGolden(s.name, true);
  }
}
