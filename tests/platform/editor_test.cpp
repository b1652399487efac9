// The character editor's text field: the cursor, insertion and deletion at it, the program's
// maximum, and characters of two units kept whole.
#include <gtest/gtest.h>

#include "editor.h"

namespace phone::testing {
namespace {

constexpr char16_t kGrin[] = u"\U0001F600";  // one character, two units

// An editor just opened on `text` with room for `max` units.
struct Field {
  explicit Field(std::u16string text, uint32_t max = 50) {
    EXPECT_NE(editor.open(std::move(text), 1, max, 0, u"Title"), 0u);
  }
  // The text with "|" at the cursor.
  std::u16string shown() const {
    std::u16string s = editor.text();
    return s.insert(editor.cursor(), u"|");
  }
  Editor editor;
};

TEST(EditorField, OpensWithTheCursorAfterTheText) {
  Field f(u"abc");
  EXPECT_EQ(f.shown(), u"abc|");
}

TEST(EditorField, CursorMovesStopAtBothEnds) {
  Field f(u"abc");
  EXPECT_TRUE(f.editor.right());
  EXPECT_EQ(f.shown(), u"abc|");
  f.editor.left();
  EXPECT_EQ(f.shown(), u"ab|c");
  f.editor.home();
  EXPECT_EQ(f.shown(), u"|abc");
  EXPECT_TRUE(f.editor.left());
  EXPECT_EQ(f.shown(), u"|abc");
  f.editor.right();
  EXPECT_EQ(f.shown(), u"a|bc");
  f.editor.end();
  EXPECT_EQ(f.shown(), u"abc|");
  f.editor.moveCursor(1);
  EXPECT_EQ(f.shown(), u"a|bc");
  f.editor.moveCursor(99);
  EXPECT_EQ(f.shown(), u"abc|");
}

TEST(EditorField, InsertsAtTheCursorAndMovesPastTheInsertedText) {
  struct Case {
    size_t cursor;
    std::u16string insert, expected;
  } cases[] = {
      {0, u"X", u"X|abc"},
      {1, u"XY", u"aXY|bc"},
      {3, u"Привет", u"abcПривет|"},
      {2, u"", u"ab|c"},
  };
  for (const Case& c : cases) {
    Field f(u"abc");
    f.editor.moveCursor(c.cursor);
    f.editor.insert(c.insert);
    EXPECT_EQ(f.shown(), c.expected) << c.cursor;
  }
}

TEST(EditorField, BackspaceAndDeleteAtBothEnds) {
  Field f(u"abc");
  EXPECT_FALSE(f.editor.del());  // nothing after the cursor
  EXPECT_EQ(f.shown(), u"abc|");
  EXPECT_TRUE(f.editor.backspace());
  EXPECT_EQ(f.shown(), u"ab|");
  f.editor.home();
  EXPECT_FALSE(f.editor.backspace());  // nothing before the cursor
  EXPECT_EQ(f.shown(), u"|ab");
  EXPECT_TRUE(f.editor.del());
  EXPECT_EQ(f.shown(), u"|b");
  f.editor.del();
  EXPECT_EQ(f.shown(), u"|");
  EXPECT_FALSE(f.editor.del());
  EXPECT_FALSE(f.editor.backspace());

  Field middle(u"abcd");
  middle.editor.moveCursor(2);
  middle.editor.backspace();
  EXPECT_EQ(middle.shown(), u"a|cd");
  middle.editor.del();
  EXPECT_EQ(middle.shown(), u"a|d");
}

TEST(EditorField, NeverHoldsMoreThanTheProgramsMaximum) {
  Field f(std::u16string(48, u'x'));
  EXPECT_TRUE(f.editor.insert(u"abcd"));  // two fit, the rest is refused
  EXPECT_EQ(f.editor.text(), std::u16string(48, u'x') + u"ab");
  EXPECT_EQ(f.editor.cursor(), 50u);
  EXPECT_FALSE(f.editor.insert(u"z"));
  f.editor.home();
  EXPECT_FALSE(f.editor.insert(u"z"));
  EXPECT_EQ(f.editor.text().size(), 50u);
  // Deleting makes room again, at the cursor.
  f.editor.del();
  EXPECT_TRUE(f.editor.insert(u"yz"));
  EXPECT_EQ(f.editor.text(), u"y" + std::u16string(47, u'x') + u"ab");

  // TYPE replaces the whole text, cut to the maximum, and puts the cursor at its end.
  EXPECT_TRUE(f.editor.type(std::u16string(60, u'q')));
  EXPECT_EQ(f.editor.text(), std::u16string(50, u'q'));
  EXPECT_EQ(f.editor.cursor(), 50u);
  f.editor.type(u"short");
  EXPECT_EQ(f.shown(), u"short|");

  // The initial text is cut as well.
  Field big(std::u16string(70, u'w'));
  EXPECT_EQ(big.editor.text().size(), 50u);
}

TEST(EditorField, ACharacterOfTwoUnitsIsNeverSplit) {
  const std::u16string grin(kGrin);
  Field f(u"a" + grin + u"b");
  f.editor.left();
  EXPECT_EQ(f.editor.cursor(), 3u);
  f.editor.left();  // over the pair at once
  EXPECT_EQ(f.editor.cursor(), 1u);
  f.editor.right();
  EXPECT_EQ(f.editor.cursor(), 3u);
  f.editor.moveCursor(2);  // inside the pair: to its start
  EXPECT_EQ(f.editor.cursor(), 1u);
  f.editor.del();
  EXPECT_EQ(f.shown(), u"a|b");

  Field back(u"a" + grin);
  EXPECT_TRUE(back.editor.backspace());
  EXPECT_EQ(back.shown(), u"a|");

  // At the maximum: a pair that would leave one unit over is refused whole, and cuts stop
  // before it.
  Field full(std::u16string(49, u'x'));
  EXPECT_FALSE(full.editor.insert(grin));
  EXPECT_TRUE(full.editor.insert(u"y" + grin));
  EXPECT_EQ(full.editor.text(), std::u16string(49, u'x') + u"y");
  full.editor.type(std::u16string(49, u'x') + grin);
  EXPECT_EQ(full.editor.text(), std::u16string(49, u'x'));
  Field cut(std::u16string(49, u'x') + grin);
  EXPECT_EQ(cut.editor.text(), std::u16string(49, u'x'));
}

TEST(EditorField, EditingWithoutAnOpenEditorDoesNothing) {
  Editor editor;
  EXPECT_FALSE(editor.insert(u"x"));
  EXPECT_FALSE(editor.left());
  EXPECT_FALSE(editor.right());
  EXPECT_FALSE(editor.home());
  EXPECT_FALSE(editor.end());
  EXPECT_FALSE(editor.moveCursor(0));
  EXPECT_FALSE(editor.backspace());
  EXPECT_FALSE(editor.del());
  EXPECT_TRUE(editor.text().empty());
}

}  // namespace
}  // namespace phone::testing
