// The list file store: path, count, default content and the three changes with the selection
// each leaves, called directly in a freshly loaded image.
#include <gtest/gtest.h>

#include <cstring>

#include "pemblo_session.h"

using namespace pemblo_test;

namespace {

void setBuf(Pemblo& p, const std::string& text) {
  ASSERT_LE(text.size(), 50u);
  char* buf = &p.var<char>("buf");
  std::memcpy(buf, text.c_str(), text.size() + 1);
}

std::u16string fileName(Pemblo& p) {
  return std::u16string(reinterpret_cast<char16_t*>(&p.var<WCHAR>("file_name")));
}

}  // namespace

TEST(Store, MissingOrEmptyFileGetsTheDefaultContent) {
  for (auto list : {std::optional<std::string>{}, std::optional<std::string>{""}}) {
    Pemblo p(Options{.list = list});
    EXPECT_EQ(p.list(), kDefault);
    EXPECT_EQ(p.len(), 1);
    EXPECT_EQ(p.var<UINT32>("base_size"), 17u);
    EXPECT_EQ(p.selected(), 1u);
    EXPECT_EQ(p.setmenu(), 0);
  }
}

struct CountCase {
  std::string bytes;
  unsigned records;
};

TEST(Store, CountsRecordsByCrExceptALastByte) {
  const CountCase cases[] = {
      {"A", 1},           {"A\r\nB", 2},       {"A\r\nB\r\n", 3},     {"A\r", 1},
      {"A\nB\nC", 1},     {"A\rB", 2},         {"\r", 1},             {"\r\n\r\n\r\n", 4},
      {"\r\r\r", 3},      {"\n", 1},           {std::string("A\0B\r\nC", 6), 2},
      {"\xC0\xE1\r\n\x80\xBF", 2},
  };
  for (const auto& c : cases) {
    Pemblo p(c.bytes);
    EXPECT_EQ(p.len(), c.records) << testing::PrintToString(c.bytes);
    EXPECT_EQ(p.var<UINT32>("base_size"), c.bytes.size());
    EXPECT_EQ(p.list(), c.bytes) << "counting changed the file";
  }
}

TEST(Store, BuildsThePathBesideTheProgramFile) {
  const std::string dir241 = "/" + std::string(239, 'd') + "/";  // 241 units with both "/"
  const std::string dir242 = "/" + std::string(240, 'd') + "/";
  struct Case {
    std::string program;
    std::u16string expected;
  } cases[] = {
      {"/a/b/prog.elf", u"/a/b/BlackList.txt"},
      {"/prog.elf", u"/BlackList.txt"},
      {"/a/b/", u"/a/b/BlackList.txt"},
      {"/d/" + std::string(300, 'n'), u"/d/BlackList.txt"},  // a long name, a short directory
      {"/a/\xC4\xE8\xF0/p.elf", u"/a/\u00C4\u00E8\u00F0/BlackList.txt"},  // one unit per byte
      {dir241 + "p.elf", widen(dir241) + u"BlackList.txt"},  // 254 units: the longest that fits
      {dir242 + "p.elf", u""},        // 255 units do not fit: no list file at all
      {std::string(400, 'x'), u""},   // no "/": no directory known
      {"prog.elf", u""},
      {"", u""},
  };
  Pemblo p;
  auto make_path = p.var<void(const char*)>("make_path");
  for (const auto& c : cases) {
    make_path(c.program.c_str());
    EXPECT_EQ(fileName(p), c.expected) << c.program;
  }
}

TEST(Store, WithoutAPathNoFileIsTouched) {
  Pemblo p(join({"A", "B"}));
  p.var<void(const char*)>("make_path")("pemblo.elf");
  p.platform().trace().clear();
  p.call("all");
  EXPECT_EQ(p.len(), 1);
  EXPECT_EQ(p.var<UINT32>("base_size"), 0u);
  setBuf(p, "X");
  p.call("add");
  p.call("add_one");
  p.call("del");
  p.call("replace");
  p.repaint();
  EXPECT_TRUE(p.platform().trace().lines({"DL_FsOpenFile", "DL_FsSGetFileSize"}).empty());
  EXPECT_EQ(p.list(), join({"A", "B"}));
  EXPECT_FALSE(std::filesystem::exists(kList));  // nothing beside the test either
}

struct ChangeCase {
  std::string before;
  uint32_t selected;
  std::string text;
  std::string after;
  uint32_t selectedAfter;
};

void runChanges(const char* routine, std::initializer_list<ChangeCase> cases) {
  for (const auto& c : cases) {
    Pemblo p(c.before);
    p.select(c.selected);
    setBuf(p, c.text);
    p.call(routine);
    SCOPED_TRACE(testing::PrintToString(c.before) + " " + routine + " on " +
                 std::to_string(c.selected));
    EXPECT_EQ(p.list(), c.after);
    EXPECT_EQ(p.selected(), c.selectedAfter);
    EXPECT_LE(p.set(), 12);
    EXPECT_GE(p.set(), 1);
    EXPECT_EQ(p.var<UINT32>("base_size"), c.after.size());
  }
}

TEST(Store, AppendSelectsTheNewLastRecord) {
  runChanges("add", {
      {"A", 1, "X", "A\r\nX", 2},
      {"A", 1, "", "A\r\n", 2},
      {"A\r\nB\r\n", 1, "X", "A\r\nB\r\n\r\nX", 4},
      // A CR at the very end begins no record: it becomes the new record's separator.
      {"A\r", 1, "X", "A\r\nX", 2},
      {join(numbered(11)), 3, "X", join(numbered(11)) + "\r\nX", 12},  // page 0, line 12
      {join(numbered(12)), 3, "X", join(numbered(12)) + "\r\nX", 13},  // page 1, line 1
  });
  Pemblo p(join(numbered(12)));
  setBuf(p, "X");
  p.call("add");
  EXPECT_EQ(p.pg(), 1);
  EXPECT_EQ(p.set(), 1);
}

TEST(Store, OverwriteReplacesTheOnlyRecord) {
  runChanges("add_one", {
      {"A", 1, "X", "X", 1},
      {"A", 1, "", kDefault, 1},  // empty text: the default content, in the same write
      {"A\r", 1, "Y", "Y", 1},
      {std::string(80, 'L'), 1, "Y", "Y", 1},
      // The file holds more than one record now: overwriting would take the others with it.
      {"A\r\nB", 2, "X", "A\r\nB", 2},
  });
}

TEST(Store, DeleteRemovesExactlyTheSelectedRecord) {
  const auto thirteen = numbered(13);
  auto twelve = thirteen;
  twelve.pop_back();
  runChanges("del", {
      {"A\r\nB\r\nD", 1, "", "B\r\nD", 1},
      {"A\r\nB\r\nD", 2, "", "A\r\nD", 2},
      {"A\r\nB\r\nD", 3, "", "A\r\nB", 2},
      {join(thirteen), 13, "", join(twelve), 12},  // last on its page: page 0, line 12
      {"\r\nB", 1, "", "B", 1},                   // empty first record
      {"A\rB\rC", 2, "", "A\rC", 2},              // lone CR separators
      {"A\rB\rC", 1, "", "B\rC", 1},
      {"A\r\nB\r", 2, "", "A\r", 1},              // the trailing CR stays
      {"A\r\nB\nC\r\nD", 1, "", "B\nC\r\nD", 1},  // an LF inside record 2 is its own byte
      {"A\r\n\nB", 1, "", "\nB", 1},
      {"\r\n", 2, "", kDefault, 1},               // nothing left: default content
      // An empty record before the last one, after a lone CR, stays a record.
      {"A\r\rB", 3, "", "A\r\n", 2},
      {std::string(".\r\r\0", 4), 3, "", ".\r\n", 2},
      {"A", 1, "", kDefault, 1},
  });
  Pemblo p(join(thirteen));
  p.select(13);
  p.call("del");
  EXPECT_EQ(p.pg(), 0);
  EXPECT_EQ(p.set(), 12);
}

TEST(Store, ReplaceMovesTheEditedRecordToTheEnd) {
  runChanges("replace", {
      {"A\r\nB\r\nD", 1, "Y", "B\r\nD\r\nY", 3},
      {"A\r\nB\r\nD", 2, "Y", "A\r\nD\r\nY", 3},
      {"A\r\nB\r\nD", 3, "Y", "A\r\nB\r\nY", 3},
      {"A\r\nB", 1, "", "B\r\n", 2},
      {"\r\n", 1, "Y", "\r\nY", 2},      // the other, empty, record stays empty
      {"A\r\nB\r", 1, "Y", "B\r\nY", 2},  // its trailing CR becomes the separator
      {"A\r\rB", 3, "Y", "A\r\r\nY", 3},  // the empty record 2 stays
  });
}

TEST(Store, RecordsBeyondTheEightBitCountStayUntouched) {
  for (int n : {255, 256, 300, 511, 512}) {
    Pemblo p(join(numbered(n)));
    EXPECT_EQ(p.len(), 255) << n;
    EXPECT_EQ(p.var<UINT32>("file_records"), unsigned(n));
    p.key(kUp);  // from record 1 to the last record in reach
    EXPECT_EQ(p.selected(), 255u);
    p.repaint();
    EXPECT_EQ(p.buf(), "R255");
    p.key(kDown);
    EXPECT_EQ(p.selected(), 1u);
  }
}

TEST(Store, ChangesOnALongFileLandOnlyWhereTheUserSeesThem) {
  const auto records = numbered(300);
  {  // Deleting record 255 removes record 255, not 511 - 256 or any other.
    Pemblo p(join(records));
    p.select(255);
    p.call("del");
    auto expected = records;
    expected.erase(expected.begin() + 254);
    EXPECT_EQ(p.list(), join(expected));
    EXPECT_EQ(p.selected(), 255u);
  }
  for (const char* routine : {"add", "replace"}) {  // a new last record would be out of reach
    Pemblo p(join(records));
    p.select(7);
    setBuf(p, "X");
    p.call(routine);
    EXPECT_EQ(p.list(), join(records)) << routine;
    EXPECT_EQ(p.selected(), 7u);
  }
  {  // 254 records: one more fits, a second is refused.
    Pemblo p(join(numbered(254)));
    setBuf(p, "X");
    p.call("add");
    EXPECT_EQ(p.selected(), 255u);
    p.call("add");
    auto expected = numbered(254);
    expected.push_back("X");
    EXPECT_EQ(p.list(), join(expected));
  }
  {  // 255 records: an edit keeps the count and lands on record 255.
    Pemblo p(join(numbered(255)));
    p.select(3);
    setBuf(p, "X");
    p.call("replace");
    auto expected = numbered(255);
    expected.erase(expected.begin() + 2);
    expected.push_back("X");
    EXPECT_EQ(p.list(), join(expected));
    EXPECT_EQ(p.selected(), 255u);
  }
}

TEST(Store, AMegabyteFileIsCountedAndCutCorrectly) {
  std::string big;
  std::vector<std::string> records;
  for (int i = 0; big.size() < (1u << 20); ++i) {
    records.push_back(std::string(98, char('a' + i % 26)));
    big = join(records);
  }
  Pemblo p(big);
  EXPECT_EQ(p.len(), 255);
  EXPECT_EQ(p.var<UINT32>("file_records"), records.size());
  p.select(2);
  p.call("del");
  records.erase(records.begin() + 1);
  EXPECT_EQ(p.list(), join(records));

  Pemblo one(std::string(1u << 20, 'z'));  // one record of a megabyte
  EXPECT_EQ(one.len(), 1);
  EXPECT_EQ(one.buf(), std::string(50, 'z'));
}
