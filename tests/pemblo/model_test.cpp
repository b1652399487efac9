// Random key sequences against a small model of the list file's rules: after every step the
// file on disk and the selection must be what the model says.
#include <gtest/gtest.h>

#include <random>

#include "pemblo_session.h"

using namespace pemblo_test;

namespace {

// The list file as records, with the selection, and the rules of each change.
struct Model {
  std::vector<std::string> records;
  uint32_t selected = 1;

  static Model from(std::vector<std::string> records) {
    Model m{std::move(records)};
    m.normalise();
    return m;
  }
  // A file with one empty record is an empty file: it gets the default content.
  void normalise() {
    if (records.size() == 1 && records[0].empty()) records[0] = kDefault;
  }
  uint32_t len() const { return std::min<uint32_t>(records.size(), 255); }
  std::string bytes() const { return join(records); }
  std::string editorText() const { return records[selected - 1].substr(0, 50); }

  void up() { selected = selected == 1 ? len() : selected - 1; }
  void down() { selected = selected >= len() ? 1 : selected + 1; }
  void del() {
    if (records.size() <= 1) return;  // refused with the error box
    records.erase(records.begin() + (selected - 1));
    normalise();
    if (selected > len()) selected = len();
  }
  void add(const std::string& text) {
    if (records.size() >= 255) return;  // the new record would be out of reach
    records.push_back(text);
    selected = len();
  }
  void edit(const std::optional<std::string>& typed) {
    const std::string& record = records[selected - 1];
    if (!typed && record.size() > 50) return;  // not whole in the editor and not changed
    std::string text = typed ? *typed : record;
    if (records.size() == 1) {
      records[0] = text;
      normalise();
      selected = 1;
      return;
    }
    if (records.size() > 255) return;
    records.erase(records.begin() + (selected - 1));
    records.push_back(text);
    selected = len();
  }
};

class Random {
 public:
  explicit Random(uint32_t seed) : g_(seed) {}
  uint32_t below(uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(g_); }
  bool chance(uint32_t percent) { return below(100) < percent; }

  // A record as the file may hold it: ASCII, Windows-1251 letters and signs, any length.
  std::string record() {
    static const std::string bytes =
        "abcXYZ019 +-#\xC0\xC1\xE0\xFF\xA8\xB8\xB9\x96\xAB\xBB\x80\x98\x09";
    uint32_t n = chance(10) ? 51 + below(30) : below(20);
    std::string out;
    for (uint32_t i = 0; i < n; ++i) out += bytes[below(bytes.size())];
    return out;
  }
  // Text typed into the editor, as Unicode, with the bytes it must be stored as.
  std::pair<std::u16string, std::string> typed() {
    static const std::pair<char16_t, char> chars[] = {
        {u'a', 'a'},           {u'Z', 'Z'},           {u'7', '7'},           {u' ', ' '},
        {u'+', '+'},           {u'\u0410', '\xC0'},   {u'\u044F', '\xFF'},   {u'\u0401', '\xA8'},
        {u'\u0451', '\xB8'},   {u'\u2116', '\xB9'},   {u'\u00C9', '\xC9'},   {u'\u4E00', '?'},
    };
    uint32_t n = below(52);
    std::pair<std::u16string, std::string> out;
    for (uint32_t i = 0; i < n && i < 50; ++i) {
      auto [u, b] = chars[below(std::size(chars))];
      out.first += u;
      out.second += b;
    }
    return out;
  }

 private:
  std::mt19937 g_;
};

}  // namespace

TEST(Model, RandomKeysKeepFileAndSelectionAsTheRulesSay) {
  for (uint32_t seed = 1; seed <= 24; ++seed) {
    Random r(seed);
    std::vector<std::string> initial;
    uint32_t n = seed % 8 == 0 ? 250 + r.below(10) : 1 + r.below(30);
    for (uint32_t i = 0; i < n; ++i) initial.push_back(r.record());
    Pemblo p(join(initial));
    Model m = Model::from(initial);
    for (int step = 0; step < 60; ++step) {
      std::string what;
      switch (r.below(12)) {
        case 0: case 1: what = "up"; p.key(kUp); m.up(); break;
        case 2: case 3: what = "down"; p.key(kDown); m.down(); break;
        case 4:
          what = "delete";
          p.choose(kDelete);
          if (p.var<UINT8>("Error")) p.key(kSelect);
          m.del();
          break;
        case 5: {
          auto [u, b] = r.typed();
          what = "add " + b;
          p.addLine(u);
          m.add(b);
          break;
        }
        case 6: {
          auto [u, b] = r.typed();
          what = "edit " + b;
          p.editLine(u);
          m.edit(b);
          break;
        }
        case 7:
          what = "edit unchanged";
          p.choose(kEditLine);
          EXPECT_EQ(p.editorText(), widen(m.editorText()));
          p.ok();
          m.edit(std::nullopt);
          break;
        case 8:
          what = "add unchanged";
          p.choose(kAddLine);
          p.ok();
          m.add(m.editorText());
          break;
        case 9:
          what = "back";
          p.choose(r.chance(50) ? kEditLine : kAddLine);
          p.type(u"dropped");
          p.back();
          break;
        case 10:
          what = "dialogs";
          p.choose(r.chance(50) ? kAbout : kExit);
          p.keys({kLeft, kRight, kSelect});
          break;
        default:
          what = "other keys";
          p.keys({kMenu, kDown, kMenu, kLight, uint8_t(0x40 + r.below(64))});
          p.repaint();
          break;
      }
      ASSERT_TRUE(p.running()) << what;
      ASSERT_EQ(p.list(), m.bytes()) << "seed " << seed << " step " << step << ": " << what;
      ASSERT_EQ(p.selected(), m.selected) << "seed " << seed << " step " << step << ": " << what;
      ASSERT_EQ(p.len(), m.len());
    }
  }
}
