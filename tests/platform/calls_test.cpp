// Platform calls one by one: 16-bit text, division, debug print, paths, files, clock,
// language, resources, memory and the trace.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include <phone.h>

#include "clock.h"
#include "files.h"
#include "language.h"
#include "log.h"
#include "memory.h"
#include "resources.h"
#include "session.h"

namespace phone::testing {
namespace {

using ::testing::ElementsAre;

std::u16string wide(const WCHAR* text) { return {text, text + u_strlen(text)}; }

TEST(Text16, NumbersInDecimal) {
  struct Case {
    UINT32 number;
    std::u16string text;
  };
  for (const Case& c : {Case{0, u"0"}, Case{7, u"7"}, Case{10, u"10"}, Case{2024, u"2024"},
                        Case{4294967295u, u"4294967295"}}) {
    WCHAR out[16];
    EXPECT_EQ(u_ltou(c.number, out), out);
    EXPECT_EQ(wide(out), c.text) << c.number;
  }
}

TEST(Text16, WideningAndNarrowingKeepByteValues) {
  WCHAR w[8];
  u_atou("A\xC0\xFF", w);
  EXPECT_THAT(std::vector<WCHAR>(w, w + 4), ElementsAre(0x41, 0xC0, 0xFF, 0));
  const WCHAR units[] = {0x41, 0x0410, 0x00E9, 0};
  char n[8];
  u_utoa(units, n);
  EXPECT_EQ(std::string(n), "A\x10\xE9");  // the low 8 bits of each unit
}

TEST(Text16, CopyConcatenateMeasure) {
  WCHAR a[16];
  const WCHAR ab[] = {'a', 'b', 0};
  const WCHAR cd[] = {'c', 'd', 0};
  u_strcpy(a, ab);
  EXPECT_EQ(u_strcat(a, cd), a);
  EXPECT_EQ(wide(a), u"abcd");
  EXPECT_EQ(u_strlen(a), 4u);
  const WCHAR empty[] = {0};
  EXPECT_EQ(u_strlen(empty), 0u);
  EXPECT_EQ(strlen("abc"), 3u);
  EXPECT_EQ(strlen(""), 0u);
}

TEST(Text16, UnsignedDivisionTakesTheDivisorFirst) {
  Session s(SessionOptions{.load = false});
  EXPECT_EQ(__rt_udiv(3, 10), 3u);
  EXPECT_EQ(__rt_udiv(20, 1500), 75u);
  EXPECT_EQ(__rt_udiv(1, 0xFFFFFFFF), 0xFFFFFFFFu);
  EXPECT_TRUE(s.debugLines().empty());
  EXPECT_EQ(__rt_udiv(0, 5), 0xFFFFFFFFu);
  ASSERT_EQ(s.debugLines().size(), 1u);
  EXPECT_THAT(s.debugLines()[0], ::testing::HasSubstr("by zero"));
}

TEST(DebugPrint, KeepsEachLine) {
  Session s(SessionOptions{.load = false});
  PFprintf("TARVIK - KeyPress = 0x%x\n", 0x2c);
  PFprintf("a\nb\n");
  PFprintf("no newline");
  EXPECT_THAT(s.debugLines(), ElementsAre("TARVIK - KeyPress = 0x2c", "a", "b", "no newline"));
}

TEST(Paths, UnitsMapToBytesOrUtf8) {
  struct Case {
    std::vector<WCHAR> units;
    std::string path;
  };
  for (const Case& c : {Case{{'/', 'a', '/', 'b'}, "/a/b"}, Case{{0xC0, 0xFF}, "\xC0\xFF"},
                        Case{{0x0416, '.'}, "\xD0\x96."}, Case{{0x20AC}, "\xE2\x82\xAC"}}) {
    auto units = c.units;
    units.push_back(0);
    EXPECT_EQ(Files::hostPath(units.data()).string(), c.path);
  }
}

class FileCalls : public ::testing::Test {
 protected:
  Session s{SessionOptions{.load = false}};
  std::vector<WCHAR> path(const std::string& name) {
    std::string p = (s.dir() / name).string();
    std::vector<WCHAR> units(p.begin(), p.end());
    units.push_back(0);
    return units;
  }
};

TEST_F(FileCalls, MissingFilesHaveSizeZeroAndCannotBeRead) {
  EXPECT_EQ(DL_FsSGetFileSize(path("none").data(), 0), 0u);
  EXPECT_EQ(DL_FsOpenFile(path("none").data(), FILE_READ_MODE, 0), FILE_HANDLE_INVALID);
  EXPECT_EQ(DL_FsOpenFile(path("none").data(), 2, 0), FILE_HANDLE_INVALID);
}

TEST_F(FileCalls, ReadsReportShortCountsAndWrongHandles) {
  s.writeFile("f", "abc");
  EXPECT_EQ(DL_FsSGetFileSize(path("f").data(), 0), 3u);
  FILE_HANDLE_T f = DL_FsOpenFile(path("f").data(), FILE_READ_MODE, 0);
  ASSERT_NE(f, FILE_HANDLE_INVALID);
  char buffer[8] = {};
  UINT32 done = 99;
  EXPECT_EQ(DL_FsReadFile(buffer, 2, 1, f, &done), 0u);
  EXPECT_EQ(done, 2u);
  EXPECT_NE(DL_FsReadFile(buffer, 5, 1, f, &done), 0u);  // only one byte left
  EXPECT_EQ(done, 1u);
  EXPECT_NE(DL_FsWriteFile("x", 1, 1, f, &done), 0u);  // not open for writing
  EXPECT_EQ(DL_FsCloseFile(f), 0u);
  EXPECT_NE(DL_FsCloseFile(f), 0u);  // closed already
  EXPECT_NE(DL_FsReadFile(buffer, 1, 1, FILE_HANDLE_INVALID, &done), 0u);
  EXPECT_EQ(s.file("f"), "abc");
}

TEST_F(FileCalls, SuccessiveWritesFollowOneAnother) {
  s.writeFile("f", "a much longer old content");
  FILE_HANDLE_T f = DL_FsOpenFile(path("f").data(), FILE_WRITE_MODE, 0);
  UINT32 done = 0;
  EXPECT_EQ(DL_FsWriteFile("ab", 2, 1, f, &done), 0u);
  EXPECT_EQ(done, 2u);
  EXPECT_EQ(DL_FsWriteFile("cdef", 2, 2, f, &done), 0u);
  EXPECT_EQ(s.file("f"), "a much longer old content");  // nothing replaced before close
  EXPECT_EQ(DL_FsCloseFile(f), 0u);
  EXPECT_EQ(s.file("f"), "abcdef");
}

TEST(Clock, TimeOfDayRunsFromTheStartTimeAndWraps) {
  Session s(SessionOptions{.clock = {23, 59, 58}, .load = false});
  CLK_TIME_T t{};
  DL_ClkGetTime(&t);
  EXPECT_EQ(std::tuple(t.hour, t.minute, t.second), std::tuple(23, 59, 58));
  s.platform().clock().setNow(2500);
  DL_ClkGetTime(&t);
  EXPECT_EQ(std::tuple(t.hour, t.minute, t.second), std::tuple(0, 0, 0));
}

TEST(Clock, HeadlessStartsAtNoon) {
  Session s(SessionOptions{.load = false});
  platform().reset();
  CLK_TIME_T t{};
  DL_ClkGetTime(&t);
  EXPECT_EQ(std::tuple(t.hour, t.minute, t.second), std::tuple(12, 0, 0));
}

TEST(Language, WritesTheChosenCode) {
  for (std::string code : {"en", "#ru"}) {
    Session s(SessionOptions{.language = code, .load = false});
    UINT8 area[LANG_CODE_SIZE];
    std::fill(std::begin(area), std::end(area), 0xEE);
    EXPECT_EQ(DRM_GetCurrentLanguage(area), 0u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(area)), code);
  }
  EXPECT_THROW(platform().language().set("toolong!"), std::invalid_argument);
}

TEST(Resources, MadeChangedAndCleared) {
  Session s(SessionOptions{.load = false});
  const WCHAR hex[] = {'H', 'E', 'X', 0};
  const WCHAR title[] = {0xCD, 0xEE, 0xEC, 0xE5, 0xF0, 0};
  RESOURCE_ID id = 0;
  EXPECT_EQ(DRM_CreateResource(&id, 1, hex, 8), 0u);
  EXPECT_NE(id, 0u);
  EXPECT_EQ(s.platform().resources().text16(id), u"HEX");
  EXPECT_EQ(DRM_SetResource(id, title, 12), 0u);
  EXPECT_EQ(s.platform().resources().text16(id), u"\u00CD\u00EE\u00EC\u00E5\u00F0");
  EXPECT_EQ(DRM_ClearResource(id), 0u);
  EXPECT_EQ(s.platform().resources().bytes(id), nullptr);
  EXPECT_NE(DRM_ClearResource(id), 0u);
  EXPECT_NE(DRM_SetResource(id, title, 12), 0u);
}

TEST(Memory, CountsLiveBlocksAndRefusesUnknownAddresses) {
  Session s(SessionOptions{.load = false});
  auto& memory = s.platform().memory();
  INT32 error = -1;
  void* a = suAllocMem(10, &error);
  EXPECT_EQ(error, 0);
  void* b = suAllocMem(0, nullptr);
  ASSERT_TRUE(a && b);
  EXPECT_NE(a, b);
  EXPECT_EQ(memory.liveBlocks(), 2u);
  EXPECT_EQ(memory.liveBytes(), 10u);
  suFreeMem(a);
  suFreeMem(b);
  EXPECT_EQ(memory.liveBlocks(), 0u);
  int local;
  suFreeMem(&local);
  ASSERT_EQ(memory.violations().size(), 1u);
  memory.clearViolations();
  memory.failAll(true);
  EXPECT_EQ(suAllocMem(4, &error), nullptr);
  EXPECT_NE(error, 0);
}

TEST(Trace, RecordsCallsWithArgumentsAndWritesThem) {
  Session s(SessionOptions{.load = false});
  WCHAR out[4];
  u_ltou(42, out);
  EXPECT_THAT(s.platform().trace().lines({"u_ltou"}), ElementsAre("u_ltou(42, 1)"));
  auto file = s.dir() / "trace.txt";
  s.platform().trace().writeTo(file);
  EXPECT_EQ(s.file("trace.txt"), "u_ltou(42, 1)\n");
  s.platform().trace().enable(false);
  u_ltou(1, out);
  EXPECT_EQ(s.platform().trace().calls().size(), 1u);
  EXPECT_THROW(s.platform().trace().writeTo(s.dir() / "no" / "such" / "dir"), std::runtime_error);
}

}  // namespace
}  // namespace phone::testing
