// Faults while the list file changes. Every change is run once to learn how many file and
// memory operations it makes, then once more for each of them with exactly that operation
// failing: afterwards the file holds exactly the old or exactly the new content, the count
// matches what is on disk, the selection names a record and no memory block is held.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "files.h"
#include "memory.h"
#include "pemblo_session.h"

using namespace pemblo_test;
using phone::FileOp;

namespace {

struct Change {
  std::string name;
  std::optional<std::string> before;  // none: missing
  uint32_t selected;
  std::function<void(Pemblo&)> act;
  std::string after;
  uint32_t selectedAfter;
};

std::function<void(Pemblo&)> viaEditor(uint16_t item, std::u16string text) {
  return [=](Pemblo& p) {
    p.choose(item);
    p.type(text);
    p.ok();
  };
}

const Change kChanges[] = {
    {"edit the only record", "A", 1, viaEditor(kEditLine, u"Y"), "Y", 1},
    {"clear the only record", "A", 1, viaEditor(kEditLine, u""), kDefault, 1},
    {"append", join({"R1", "R2", "R3"}), 2, viaEditor(kAddLine, u"X"),
     join({"R1", "R2", "R3", "X"}), 4},
    {"delete", join({"R1", "R2", "R3"}), 2, [](Pemblo& p) { p.choose(kDelete); },
     join({"R1", "R3"}), 2},
    {"delete the last of two empty records", "\r\n", 2, [](Pemblo& p) { p.choose(kDelete); },
     kDefault, 1},
    {"edit", join({"R1", "R2", "R3"}), 1, viaEditor(kEditLine, u"Y"), join({"R2", "R3", "Y"}),
     3},
};

uint32_t records(const std::string& bytes) {
  uint32_t n = 1;
  for (size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == '\r') ++n;
  return std::min(n, 255u);
}

// The program's view agrees with the file as it is on disk.
void expectConsistent(Pemblo& p, const Change& c) {
  std::string now = p.list();
  bool old = c.before && now == *c.before;
  EXPECT_TRUE(old || now == c.after) << "file is neither old nor new: " << testing::PrintToString(now);
  EXPECT_EQ(p.len(), records(now));
  EXPECT_EQ(p.var<UINT32>("base_size"), now.size());
  EXPECT_GE(p.selected(), 1u);
  EXPECT_LE(p.selected(), p.len());
  if (now == c.after && !old) EXPECT_EQ(p.selected(), c.selectedAfter);
  if (old) EXPECT_EQ(p.selected(), c.selected);
  EXPECT_EQ(p.platform().files().openFiles(), 0u);
  EXPECT_TRUE(p.running());
}

}  // namespace

TEST(Faults, EveryFileStepOfEveryChangeFailsSafely) {
  for (const auto& c : kChanges) {
    SCOPED_TRACE(c.name);
    uint64_t first[4], last[4];
    {
      Pemblo p(Options{.list = c.before});
      p.select(c.selected);
      for (int op = 0; op < 4; ++op) first[op] = p.platform().files().count(FileOp(op));
      c.act(p);
      ASSERT_EQ(p.list(), c.after);
      for (int op = 0; op < 4; ++op) last[op] = p.platform().files().count(FileOp(op));
    }
    for (int op = 0; op < 4; ++op) {
      for (uint64_t n = first[op] + 1; n <= last[op]; ++n) {
        SCOPED_TRACE("file operation " + std::to_string(op) + " number " + std::to_string(n));
        Pemblo p(Options{.list = c.before});
      p.select(c.selected);
        p.platform().files().failAt(FileOp(op), n);
        c.act(p);
        expectConsistent(p, c);
      }
    }
  }
}

TEST(Faults, EveryMemoryBlockOfEveryChangeMayBeRefused) {
  for (const auto& c : kChanges) {
    SCOPED_TRACE(c.name);
    uint64_t blocks;
    {
      Pemblo p(Options{.list = c.before});
      p.select(c.selected);
      uint64_t before = p.platform().memory().allocations();
      c.act(p);
      blocks = p.platform().memory().allocations() - before;
    }
    for (uint64_t n = 1; n <= blocks; ++n) {
      SCOPED_TRACE("allocation " + std::to_string(n));
      Pemblo p(Options{.list = c.before});
      p.select(c.selected);
      p.platform().memory().failAt(n);
      c.act(p);
      expectConsistent(p, c);
    }
  }
}

TEST(Faults, TheFirstCountWritesTheDefaultContentWholeOrNotAtAll) {
  for (int op = 0; op < 4; ++op) {
    for (uint64_t n = 1; n <= 3; ++n) {
      Pemblo p(Options{.load = false});
      p.platform().files().failAt(FileOp(op), n);
      p.session().load();
      std::string now = p.list();
      EXPECT_TRUE(now.empty() || now == kDefault);
      EXPECT_FALSE(std::filesystem::exists(p.session().dir() / kList) && now.empty())
          << "an empty list file was left behind";
      EXPECT_EQ(p.len(), 1);
      EXPECT_EQ(p.var<UINT32>("base_size"), now.size());
    }
  }
}

TEST(Faults, AnUnreadableFileIsNeverOverwritten) {
  const std::string list = join({"R1", "R2", "R3"});
  Pemblo p(list);
  auto failNextRead = [&] {
    auto& f = p.platform().files();
    f.failAt(FileOp::Read, f.count(FileOp::Read) + 1);
  };
  failNextRead();
  p.call("all");
  EXPECT_EQ(p.len(), 1);  // nothing known, nothing shown
  EXPECT_EQ(p.var<UINT32>("base_size"), 0u);
  const std::function<void()> tries[] = {
      [&] { p.choose(kDelete); },  // refused: one record as far as the program knows
      [&] { p.key(kSelect); },
      [&] {
        p.choose(kEditLine);
        failNextRead();
        p.type(u"Y");
        p.ok();
      },
      [&] {
        p.choose(kAddLine);
        failNextRead();
        p.type(u"Y");
        p.ok();
      },
  };
  for (const auto& t : tries) {
    failNextRead();
    t();
    EXPECT_EQ(p.list(), list);
  }
}

TEST(Faults, AnUnwritableDirectoryKeepsTheOldFileAndShowsIt) {
  const std::string list = join({"R1", "R2", "R3"});
  Pemblo p(list);
  auto failNextWrite = [&] {
    auto& f = p.platform().files();
    f.failAt(FileOp::Write, f.count(FileOp::Write) + 1);
  };
  failNextWrite();
  p.choose(kDelete);
  failNextWrite();
  p.addLine(u"X");
  p.select(2);
  failNextWrite();
  p.editLine(u"Y");
  EXPECT_EQ(p.list(), list);
  EXPECT_EQ(p.len(), 3);
  EXPECT_EQ(p.selected(), 2u);
}

TEST(Faults, AMissingDirectoryIsNeitherMadeNorWrittenInto) {
  Pemblo p(Options{.load = false});
  std::filesystem::remove_all(p.session().dir());
  p.session().load();
  ASSERT_TRUE(p.running());
  EXPECT_EQ(p.len(), 1);
  EXPECT_EQ(p.var<UINT32>("base_size"), 0u);
  p.addLine(u"X");
  p.editLine(u"Y");
  p.choose(kDelete);
  p.key(kSelect);
  p.repaint();
  EXPECT_FALSE(std::filesystem::exists(p.session().dir()));
  EXPECT_EQ(p.len(), 1);
  std::filesystem::create_directories(p.session().dir());  // for the session's clean-up
}

TEST(Faults, AFileThatChangedSinceTheLastCountIsNotCutBlindly) {
  Pemblo p(join({"R1", "R2", "R3"}));
  p.select(3);
  p.setList(join({"R1", "R2"}));  // someone else shortened it
  p.choose(kDelete);  // record 3 is gone: nothing to delete
  EXPECT_EQ(p.list(), join({"R1", "R2"}));
  EXPECT_EQ(p.len(), 2);
  EXPECT_EQ(p.selected(), 2u);
  p.setList(join({"R1", "R2", "R3"}));  // and a one-record view must not overwrite three
  p.var<UINT8>("len") = 1;
  p.select(1);
  p.editLine(u"Y");
  EXPECT_EQ(p.list(), join({"R1", "R2", "R3"}));
}
