// Files, the character editor and memory through the fixture program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <phone.h>

#include "canvas.h"
#include "editor.h"
#include "files.h"
#include "fixture_session.h"
#include "memory.h"

namespace phone::testing {
namespace {

using ::testing::ElementsAre;

std::u16string wide(const WCHAR* text) {
  std::u16string out;
  while (*text) out.push_back(char16_t(*text++));
  return out;
}

const std::string kOld = "old content";
const std::string kNew = "new-content-here";

std::vector<std::string> dirEntries(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ProgramFiles, AWriteReplacesTheFileOnClose) {
  Session s(SessionOptions{.files = {{"data.txt", kOld}}});
  s.framework().pressKey(kWrite);
  EXPECT_EQ(s.debugLines().back(), "write 0 0 0 close 0");
  EXPECT_EQ(s.file("data.txt"), kNew);
  EXPECT_THAT(dirEntries(s.dir()), ElementsAre("data.txt"));
  s.framework().pressKey(kRead);
  EXPECT_EQ(s.debugLines().back(), "read 16 result 0 done 16");
  EXPECT_STREQ(reinterpret_cast<const char*>(s.sym<UINT8[64]>("readbuf")), kNew.c_str());
}

TEST(ProgramFiles, AFaultAtAnyStepOfAWriteLeavesTheOldFileWhole) {
  for (FileOp op : {FileOp::Open, FileOp::Write, FileOp::Close}) {
    uint64_t steps;
    {
      Session s(SessionOptions{.files = {{"data.txt", kOld}}});
      s.framework().pressKey(kWrite);
      steps = s.platform().files().count(op);
    }
    ASSERT_GT(steps, 0u);
    for (uint64_t n = 1; n <= steps; ++n) {
      Session s(SessionOptions{.files = {{"data.txt", kOld}}});
      s.platform().files().failAt(op, n);
      s.framework().pressKey(kWrite);
      SCOPED_TRACE("operation " + std::to_string(int(op)) + " number " + std::to_string(n));
      EXPECT_EQ(s.file("data.txt"), kOld);
      EXPECT_THAT(dirEntries(s.dir()), ElementsAre("data.txt"));  // no temporary file left
      EXPECT_THAT(s.debugLines().back(), ::testing::EndsWith("close 1"));
    }
  }
}

TEST(ProgramFiles, AWriteIntoAMissingFileCreatesItOnlyOnClose) {
  Session s;
  s.platform().files().failAt(FileOp::Close, 1);
  s.framework().pressKey(kWrite);
  EXPECT_TRUE(dirEntries(s.dir()).empty());
  s.framework().pressKey(kWrite);
  EXPECT_EQ(s.file("data.txt"), kNew);
}

TEST(ProgramFiles, ACrashInTheMiddleOfAWriteLeavesTheOldFileWhole) {
  Session s(SessionOptions{.files = {{"data.txt", kOld}}});
  s.framework().pressKey(kCrash);
  EXPECT_EQ(s.framework().status(), ProgramStatus::Unloaded);
  EXPECT_EQ(s.platform().files().openFiles(), 0u);
  EXPECT_EQ(s.file("data.txt"), kOld);
  EXPECT_THAT(dirEntries(s.dir()), ElementsAre("data.txt"));
}

TEST(ProgramFiles, AResetWhileWritingLeavesTheOldFileWhole) {
  Session s(SessionOptions{.files = {{"data.txt", kOld}}, .load = false});
  std::string path = (s.dir() / "data.txt").string();
  std::vector<WCHAR> wide(path.begin(), path.end());
  wide.push_back(0);
  FILE_HANDLE_T f = DL_FsOpenFile(wide.data(), FILE_WRITE_MODE, 0);
  ASSERT_NE(f, FILE_HANDLE_INVALID);
  UINT32 done = 0;
  EXPECT_EQ(DL_FsWriteFile("x", 1, 1, f, &done), 0u);
  s.platform().reset();
  EXPECT_EQ(s.file("data.txt"), kOld);
  EXPECT_THAT(dirEntries(s.dir()), ElementsAre("data.txt"));
}

TEST(ProgramFiles, AFailedReadIsReported) {
  Session s(SessionOptions{.files = {{"data.txt", kOld}}});
  s.platform().files().failAt(FileOp::Read, 1);
  s.framework().pressKey(kRead);
  EXPECT_EQ(s.debugLines().back(), "read 11 result 1 done 0");
}

TEST(ProgramEditor, ConfirmingDeliversTheTypedTextAndReturnsToTheMainState) {
  Session s;
  auto& editor = s.platform().editor();
  s.framework().pressKey(kEdit);
  ASSERT_TRUE(editor.isOpen());
  EXPECT_EQ(s.framework().record()->dialog, editor.handle());
  EXPECT_EQ(editor.title(), u"Fixture");
  EXPECT_EQ(editor.text(), u"hello");
  EXPECT_EQ(editor.maxChars(), 20u);
  EXPECT_EQ(editor.editType(), 1);

  ASSERT_TRUE(editor.type(u"Привет, мир"));
  auto lines = linesOf(s, [&] { ASSERT_TRUE(editor.ok()); });
  EXPECT_THAT(lines, ElementsAre("edit ok", "edit data 11", "exit 3 kind 0", "enter 2 kind 0"));
  EXPECT_EQ(wide(s.sym<WCHAR[64]>("edited")), u"Привет, мир");
  EXPECT_FALSE(editor.isOpen());
  EXPECT_EQ(s.framework().currentState(), 2u);
  EXPECT_TRUE(s.platform().canvas().valid(s.framework().record()->dialog));
}

TEST(ProgramEditor, NeverHoldsMoreThanTheProgramsMaximum) {
  Session s;
  s.sym<UINT32>("edit_max") = 5;
  s.framework().pressKey(kEdit);
  auto& editor = s.platform().editor();
  EXPECT_EQ(editor.text(), u"hello");
  editor.type(u"0123456789");
  EXPECT_EQ(editor.text(), u"01234");
  editor.ok();
  EXPECT_EQ(s.debugLines().back(), "enter 2 kind 0");
  EXPECT_EQ(wide(s.sym<WCHAR[64]>("edited")), u"01234");

  // The initial text is cut as well.
  s.sym<UINT32>("edit_max") = 3;
  s.framework().pressKey(kEdit);
  EXPECT_EQ(editor.text(), u"hel");
}

TEST(ProgramEditor, BackLeavesWithoutText) {
  Session s;
  s.framework().pressKey(kEdit);
  auto& editor = s.platform().editor();
  editor.type(u"x");
  auto lines = linesOf(s, [&] { editor.back(); });
  EXPECT_THAT(lines, ElementsAre("edit back", "exit 3 kind 0", "enter 2 kind 0"));
  EXPECT_EQ(s.sym<WCHAR[64]>("edited")[0], 0);
  EXPECT_FALSE(editor.ok());  // nothing open any more
  EXPECT_FALSE(editor.type(u"y"));
}

TEST(ProgramEditor, AFailedOpenIsReportedToTheProgram) {
  Session s;
  s.platform().editor().failNextOpen();
  s.framework().pressKey(kEdit);
  EXPECT_EQ(s.debugLines().back(), "no editor");
  EXPECT_FALSE(s.platform().editor().isOpen());
}

TEST(ProgramMemory, ABlockHeldAfterTheCallIsAViolationNamingIt) {
  Session s;
  s.framework().pressKey(kLeak);
  ASSERT_EQ(s.memoryViolations().size(), 1u);
  EXPECT_THAT(s.memoryViolations()[0], ::testing::HasSubstr("16 bytes"));
  EXPECT_THAT(s.memoryViolations()[0], ::testing::HasSubstr("event 0x2034"));
  s.framework().pressKey(0x40);
  EXPECT_EQ(s.memoryViolations().size(), 1u);  // reported once
  s.framework().destroy();
  EXPECT_EQ(s.platform().memory().liveBlocks(), 0u);  // freed with the image
  s.platform().memory().clearViolations();
}

TEST(ProgramMemory, BlocksOfSizeZeroAreDistinctAndGivenBack) {
  Session s;
  s.framework().pressKey(kZero);
  EXPECT_EQ(s.debugLines().back(), "zero blocks distinct");
  EXPECT_EQ(s.platform().memory().liveBlocks(), 0u);
}

TEST(ProgramMemory, AllocationCanBeMadeToFail) {
  Session s(SessionOptions{.files = {{"data.txt", kOld}}});
  s.platform().memory().failAt(1);
  s.framework().pressKey(kRead);
  EXPECT_EQ(s.debugLines().back(), "read: no memory");
  s.framework().pressKey(kRead);
  EXPECT_EQ(s.debugLines().back(), "read 11 result 0 done 11");
}

}  // namespace
}  // namespace phone::testing
