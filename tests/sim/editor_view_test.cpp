// The character editor as the screen shows it: the list editor's own 16-bit text read as
// Windows-1251, the cursor always in view, golden screens of the editor over the list editor.
#include <filesystem>

#include <gtest/gtest.h>

#include "editor.h"
#include "editor_view.h"
#include "golden.h"
#include "screen_view.h"
#include "session.h"

namespace phone::testing {
namespace {

namespace fs = std::filesystem;
using sim::ScreenView;

constexpr uint8_t kMenu = 0x0E, kSelect = 0x3D;

fs::path outputDir() { return fs::path(PHONE_TEST_OUTPUT_DIR) / "sim"; }

// Puts what the screen shows on the display, so that it compares as a golden screen, and
// writes it enlarged beside the test output for a person to look at.
void showOnDisplay(ScreenView& view, const std::string& name) {
  Platform& p = platform();
  const auto frame = view.compose(p);
  for (int y = 0; y < Display::kHeight; ++y)
    for (int x = 0; x < Display::kWidth; ++x)
      p.display().set(x, y, frame[y * Display::kWidth + x]);
  fs::create_directories(outputDir());
  view.writePng(outputDir() / (name + ".x3.png"), p, 3);
}

TEST(EditorView, ProgramUnitsShowAsWindows1251AndUnicodeAsItself) {
  struct Case {
    char16_t unit, shown;
  } cases[] = {
      {u'A', u'A'},        {u' ', u' '},        {0x00CD, u'Н'},      {0x00C0, u'А'},
      {0x00FF, u'я'},      {0x00A8, u'Ё'},      {0x00B8, u'ё'},      {0x00B9, u'№'},
      {0x0097, u'\u2014'}, {0x0098, 0x0098},    {u'Н', u'Н'},        {u'ё', u'ё'},
      {u'\u20AC', u'\u20AC'}, {u'中', u'中'},
  };
  for (const Case& c : cases)
    EXPECT_EQ(int(sim::shownCharacter(c.unit)), int(c.shown)) << std::hex << int(c.unit);
}

TEST(EditorView, ASurrogatePairIsOneCharacterAndWrappingKeepsWordsWhole) {
  const sim::Unifont font;
  ASSERT_TRUE(font.loaded()) << "the editor's font " << sim::Unifont::kDefaultPath
                             << " is missing (Debian package unifont)";
  const auto chars = sim::drawnCharacters(u"a\U0001F600b", font);
  ASSERT_EQ(chars.size(), 3u);
  EXPECT_EQ(chars[1].unit, 1u);
  EXPECT_EQ(chars[1].units, 2u);
  EXPECT_EQ(chars[2].unit, 3u);

  // 8 pixels a letter, lines of 40 pixels: five letters.
  auto lines = [&](std::u16string_view text) {
    std::string out;
    const auto cs = sim::drawnCharacters(text, font);
    for (const auto& l : sim::wrapText(cs, 40)) {
      out += "[";
      for (size_t i = l.first; i < l.last; ++i) out += char(cs[i].glyph);
      out += "]";
    }
    return out;
  };
  EXPECT_EQ(lines(u""), "[]");
  EXPECT_EQ(lines(u"ab cdef"), "[ab ][cdef]");         // the word moves down whole
  EXPECT_EQ(lines(u"ab cd ef"), "[ab cd ][ef]");
  EXPECT_EQ(lines(u"abcdefghij"), "[abcde][fghij]");   // no space: between letters
  EXPECT_EQ(lines(u"abcde fgh"), "[abcde ][fgh]");      // the space past the end stays
  EXPECT_EQ(lines(u"abcde  fgh"), "[abcde ][ fgh]");
}

// The cursor, found as what differs between the picture with and without it.
struct CursorBox {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  bool found() const { return right >= 0; }
};
CursorBox findCursor(const Editor& editor, const sim::Unifont& font) {
  std::vector<Rgb> on(Display::kWidth * Display::kHeight), off = on;
  sim::drawEditor(editor, font, on, true);
  sim::drawEditor(editor, font, off, false);
  CursorBox box;
  for (int y = 0; y < Display::kHeight; ++y)
    for (int x = 0; x < Display::kWidth; ++x)
      if (!(on[y * Display::kWidth + x] == off[y * Display::kWidth + x])) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
  return box;
}

TEST(EditorView, TheCursorStaysInTheTextBoxWhereverItIsInALongText) {
  const sim::Unifont font;
  ASSERT_TRUE(font.loaded());
  Editor editor;
  std::u16string text;
  for (int i = 0; i < 40; ++i) text += u"слово " + std::u16string(1, char16_t(u'a' + i % 26));
  ASSERT_TRUE(editor.open(text, 1, 400, 0, u"T"));
  const size_t size = editor.text().size();
  int lastTop = -1;
  for (size_t position : {size_t(0), size / 2, size - 1, size}) {
    editor.moveCursor(position);
    const CursorBox c = findCursor(editor, font);
    ASSERT_TRUE(c.found()) << "cursor at " << position << " not drawn";
    EXPECT_GE(c.top, 20) << position;                        // below the title bar
    EXPECT_LE(c.bottom, Display::kHeight - 20) << position;  // above the soft keys
    EXPECT_LE(c.right, Display::kWidth - 3) << position;
    EXPECT_LE(c.bottom - c.top, 20) << position;  // one cursor, one line high
    if (position == 0) EXPECT_LT(c.top, 40);      // first line, not scrolled
    EXPECT_GE(c.top, lastTop) << position;
    lastTop = c.top;
  }
}

// The list editor opened on its only record with "Edit line".
struct ListEditor {
  explicit ListEditor(const std::string& record)
      : session(SessionOptions{.image = "pemblo", .files = {{"BlackList.txt", record}}}) {
    session.framework().pressKey(kMenu);
    session.framework().pressKey(kSelect);
  }
  Editor& editor() { return session.platform().editor(); }
  Session session;
};

TEST(EditorScreen, CyrillicRecordReadsAsRussian) {
  // "Привет, мир! Это запись чёрного списка №1" in Windows-1251, as the file holds it.
  const std::string record =
      "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0! \xDD\xF2\xEE \xE7\xE0\xEF\xE8\xF1\xFC "
      "\xF7\xB8\xF0\xED\xEE\xE3\xEE \xF1\xEF\xE8\xF1\xEA\xE0 \xB9" "1";
  ListEditor list(record);
  ASSERT_TRUE(list.editor().isOpen());
  // The program's own form goes in and comes back unchanged: one unit per byte.
  EXPECT_EQ(list.editor().title(), std::u16string({0xCD, 0xEE, 0xEC, 0xE5, 0xF0}));
  ASSERT_EQ(list.editor().text().size(), record.size());
  EXPECT_EQ(list.editor().text()[0], 0xCF);
  ScreenView view;
  ASSERT_TRUE(view.font().loaded());
  showOnDisplay(view, "editor_ru");
  expectGolden("editor_ru");
}

TEST(EditorScreen, EnglishRecordWithTheCursorInTheMiddle) {
  ListEditor list("+79161234567 Bob from the office");
  ASSERT_TRUE(list.editor().isOpen());
  for (int i = 0; i < 15; ++i) list.editor().left();
  list.editor().insert(u"Smith ");
  ASSERT_EQ(list.editor().text(), u"+79161234567 Bob Smith from the office");
  ScreenView view;
  showOnDisplay(view, "editor_en");
  expectGolden("editor_en");
}

TEST(EditorScreen, WithoutAnEditorTheScreenIsTheDisplay) {
  ListEditor list("+79161234567");
  list.editor().back();
  ASSERT_FALSE(list.editor().isOpen());
  ScreenView view;
  const auto& frame = view.compose(platform());
  EXPECT_TRUE(std::equal(frame.begin(), frame.end(), platform().display().frame().begin()));
}

}  // namespace
}  // namespace phone::testing
