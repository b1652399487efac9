// The line editor: the platform's character editor opened from the menu, its text written to
// the list file, and the canvas and editor handed over on the way in and out.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor.h"
#include "pemblo_session.h"

using namespace pemblo_test;

namespace {

const std::u16string kTitle = u"\u00CD\u00EE\u00EC\u00E5\u00F0";  // "Номер", a byte per unit

std::vector<std::string> names(Pemblo& p) {
  std::vector<std::string> out;
  for (const auto& c : p.platform().trace().calls()) out.push_back(c.name);
  return out;
}

ptrdiff_t indexOf(const std::vector<std::string>& v, const std::string& name, ptrdiff_t from = 0) {
  auto it = std::find(v.begin() + from, v.end(), name);
  return it == v.end() ? -1 : it - v.begin();
}

}  // namespace

TEST(Editor, AddLineOnRecordFiveOfEight) {
  Pemblo p(join(numbered(8)));
  p.select(5);
  p.choose(kAddLine);
  ASSERT_TRUE(p.editorOpen());
  EXPECT_EQ(p.state(), 3u);
  EXPECT_EQ(p.editorText(), u"R5");
  EXPECT_EQ(p.platform().editor().title(), kTitle);
  EXPECT_EQ(p.platform().editor().maxChars(), 50u);
  EXPECT_EQ(p.platform().editor().editType(), 1);
  EXPECT_EQ(p.platform().editor().visible(), 0);
  p.type(u"X");
  p.ok();
  auto expected = numbered(8);
  expected.push_back("X");
  EXPECT_EQ(p.list(), join(expected));
  EXPECT_EQ(p.selected(), 9u);
  EXPECT_EQ(p.state(), 2u);
  EXPECT_FALSE(p.editorOpen());
  EXPECT_EQ(p.buf(), "X");
}

struct EditCase {
  std::string before;
  uint32_t selected;
  uint16_t item;
  std::optional<std::u16string> typed;  // none: confirmed as opened
  std::string after;
  uint32_t selectedAfter;
};

TEST(Editor, ConfirmedTextChangesTheFile) {
  const std::string long80(80, 'L');
  const EditCase cases[] = {
      {join({"A", "B", "C"}), 2, kEditLine, u"Y", join({"A", "C", "Y"}), 3},
      {"A", 1, kEditLine, u"Y", "Y", 1},
      {"A", 1, kEditLine, u"", kDefault, 1},               // cleared: default content
      {join({"A", "B"}), 1, kAddLine, u"", "A\r\nB\r\n", 3},  // an empty record
      {join({"A", "B"}), 1, kEditLine, std::nullopt, join({"B", "A"}), 2},  // moved to the end
      {join({"A", "B"}), 2, kAddLine, std::nullopt, join({"A", "B", "B"}), 3},
      // Russian typed as Unicode is stored as Windows-1251.
      {"A", 1, kEditLine, u"\u0418\u0432\u0430\u043D \u0401\u0451 \u2116",
       "\xC8\xE2\xE0\xED \xA8\xB8 \xB9", 1},
      // A line break typed into the editor would split the record: it is kept as a blank.
      {"A", 1, kEditLine, u"a\rb\nc", "a b c", 1},
      // A record longer than the editor holds changes only when its text was changed.
      {join({"A", long80}), 2, kEditLine, std::nullopt, join({"A", long80}), 2},
      {join({long80, "B"}), 1, kEditLine, u"short", join({"B", "short"}), 2},
      {long80, 1, kEditLine, std::nullopt, long80, 1},
      {join({"A", long80}), 2, kAddLine, std::nullopt, join({"A", long80, long80.substr(0, 50)}),
       3},
      // Bytes the editor cannot give back (a NUL, an inner LF) count the same.
      {join({"A", std::string("N\0UL", 4)}), 2, kEditLine, std::nullopt,
       join({"A", std::string("N\0UL", 4)}), 2},
      {join({"A", "L\nF"}), 2, kEditLine, std::nullopt, join({"A", "L\nF"}), 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.before) + " item " + std::to_string(c.item));
    Pemblo p(c.before);
    p.select(c.selected);
    p.choose(c.item);
    ASSERT_TRUE(p.editorOpen());
    if (c.typed) p.type(*c.typed);
    p.ok();
    EXPECT_EQ(p.list(), c.after);
    EXPECT_EQ(p.selected(), c.selectedAfter);
    EXPECT_EQ(p.state(), 2u);
  }
}

TEST(Editor, TheEditorGetsAtMostFiftyCharactersAndGivesBackNoMore) {
  Pemblo p(join({"A", std::string(70, 'q')}));
  p.select(2);
  p.choose(kEditLine);
  EXPECT_EQ(p.editorText(), std::u16string(50, u'q'));
  p.type(std::u16string(60, u'z'));
  p.ok();
  EXPECT_EQ(p.list(), join({"A", std::string(50, 'z')}));
}

TEST(Editor, BackLeavesFileAndSelection) {
  Pemblo p(join(numbered(14)));
  p.select(13);
  p.choose(kEditLine);
  p.type(u"never");
  p.platform().trace().clear();
  p.back();
  EXPECT_EQ(p.list(), join(numbered(14)));
  EXPECT_EQ(p.selected(), 13u);
  EXPECT_EQ(p.state(), 2u);
  EXPECT_FALSE(p.editorOpen());
  EXPECT_NE(indexOf(names(p), "AhiDrawBitBlt"), -1);  // repainted
}

TEST(Editor, CanvasAndEditorAreHandedOverOnTheWayInAndOut) {
  Pemblo p(join({"A", "B", "C"}));
  p.key(kMenu);
  p.platform().trace().clear();
  p.key(kSelect);  // "Edit line"
  auto in = names(p);
  auto del = indexOf(in, "APP_UtilUISDialogDelete");
  auto change = indexOf(in, "APP_UtilChangeState");
  auto open = indexOf(in, "UIS_CreateCharacterEditor");
  ASSERT_NE(del, -1);
  EXPECT_LT(del, change);  // the canvas goes before the editor comes
  EXPECT_LT(change, open);
  EXPECT_NE(p.platform().trace().calls()[del].args[0], 0);  // it held the canvas
  EXPECT_EQ(p.framework().record()->dialog, p.platform().editor().handle());

  p.type(u"Z");
  p.platform().trace().clear();
  p.ok();
  auto out = names(p);
  auto request = indexOf(out, "AFW_AddEvEvD");
  auto editorGone = indexOf(out, "APP_UtilUISDialogDelete");
  auto canvas = indexOf(out, "UIS_CreateColorCanvas");
  auto paint = indexOf(out, "AhiDrawBitBlt", canvas);
  ASSERT_NE(request, -1);
  EXPECT_LT(request, editorGone);
  EXPECT_LT(editorGone, canvas);  // StateExit deletes the editor, then a new canvas is made
  EXPECT_LT(canvas, paint);
  EXPECT_FALSE(p.editorOpen());
  EXPECT_NE(p.framework().record()->dialog, 0u);
  EXPECT_EQ(p.list(), join({"B", "C", "Z"}));
}

TEST(Editor, StateExitOfKindOneKeepsTheEditor) {
  Pemblo p;
  p.choose(kEditLine);
  ASSERT_TRUE(p.editorOpen());
  EXPECT_EQ(p.framework().exitState(3, 1), 0u);
  EXPECT_TRUE(p.editorOpen());
  EXPECT_EQ(p.framework().exitState(3, 0), 0u);
  EXPECT_FALSE(p.editorOpen());
}

TEST(Editor, Event0x14WhileTheEditorIsOpen) {
  Pemblo p(join({"A", "B"}));
  p.select(2);
  p.choose(kEditLine);
  p.platform().trace().clear();
  p.repaint();
  EXPECT_NE(indexOf(names(p), "AhiDrawBitBlt"), -1);
  EXPECT_TRUE(p.editorOpen());
  EXPECT_EQ(p.state(), 3u);
  p.type(u"Y");
  p.ok();
  EXPECT_EQ(p.list(), join({"A", "Y"}));
}

TEST(Editor, AnEditorThatCannotOpenChangesNothing) {
  Pemblo p(join({"A", "B"}));
  p.platform().editor().failNextOpen();
  p.choose(kEditLine);
  EXPECT_FALSE(p.editorOpen());
  p.repaint();
  EXPECT_EQ(p.list(), join({"A", "B"}));
}
