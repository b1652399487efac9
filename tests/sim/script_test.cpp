// The script language of the `phone` command, and running it against a loaded program.
#include <algorithm>

#include <gtest/gtest.h>

#include "log.h"
#include "script.h"
#include "session.h"

namespace phone::testing {
namespace {

using sim::Command;
using Kind = sim::Command::Kind;

std::string describe(const std::vector<Command>& commands) {
  std::string out;
  for (const Command& c : commands) {
    static const char* names[] = {"key", "wait", "type", "ok", "back", "repaint", "shot"};
    out += std::string(out.empty() ? "" : " ") + names[int(c.kind)];
    if (c.kind == Kind::Key || c.kind == Kind::Wait) out += ":" + std::to_string(c.value);
    if (c.kind == Kind::Type || c.kind == Kind::Shot) out += ":" + c.text;
    out += "@" + std::to_string(c.line);
  }
  return out;
}

TEST(Script, WordsParse) {
  struct Case { const char* script; const char* want; };
  const Case cases[] = {
      {"UP down Left RIGHT", "key:44@1 key:45@1 key:46@1 key:47@1"},
      {"menu SOFT2 select light END", "key:14@1 key:15@1 key:61@1 key:10@1 key:17@1"},
      {"KEY 0x3d key 7", "key:61@1 key:7@1"},
      {"WAIT 1000\nwait 0", "wait:1000@1 wait:0@2"},
      {"TYPE \"two words\" ok\nBACK", "type:two words@1 ok@1 back@2"},
      {"type \"say \\\"hi\\\" \\\\\"", "type:say \"hi\" \\@1"},
      {"type \"\"", "type:@1"},
      {"# a comment\n\n  REPAINT # another\nSHOT out.png", "repaint@3 shot:out.png@4"},
      {"SHOT \"with space.png\"", "shot:with space.png@1"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(describe(sim::parseScript(c.script, "t")), c.want) << c.script;
}

TEST(Script, MistakesNameTheWordAndTheLine) {
  struct Case { const char* script; const char* message; };
  const Case cases[] = {
      {"UP\nDOWN FROB", "t, line 2: unknown word \"FROB\""},
      {"\n\n\"quoted\"", "t, line 3: unknown word \"quoted\""},
      {"KEY 0x100", "t, line 1: KEY needs a key code from 0 to 0xFF, not \"0x100\""},
      {"KEY\nUP", "t, line 1: KEY needs a key code"},
      {"WAIT soon", "t, line 1: WAIT needs a time in milliseconds, not \"soon\""},
      {"WAIT -5", "t, line 1: WAIT needs a time in milliseconds"},
      {"TYPE abc", "t, line 1: TYPE needs its text in double quotes"},
      {"TYPE \"abc\nOK", "t, line 1: the text in double quotes has no closing quote"},
      {"TYPE \"\xC3\"", "t, line 1: the TYPE text is not valid UTF-8"},
      {"SHOT # no file", "t, line 1: SHOT needs a file name"},
  };
  for (const Case& c : cases) {
    try {
      sim::parseScript(c.script, "t");
      ADD_FAILURE() << "accepted: " << c.script;
    } catch (const sim::ScriptError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(Script, Utf16KeepsCyrillicAndRejectsMalformedText) {
  EXPECT_EQ(sim::utf16("Abc"), u"Abc");
  EXPECT_EQ(sim::utf16("Привет"), u"Привет");
  EXPECT_EQ(sim::utf16("\xF0\x9F\x98\x80"), u"\U0001F600");
  for (const char* bad : {"\xC3", "\xC0\x80", "\xED\xA0\x80", "\xFF", "a\x80"})
    EXPECT_THROW(sim::utf16(bad), std::invalid_argument) << bad;
}

class RunnerTest : public ::testing::Test {
 protected:
  bool run(const std::string& script) {
    sim::ScriptRunner runner(
        platform(), [&](uint32_t ms) { framework().advance(ms); },
        [&](const std::string& note) { notes.push_back(note); });
    return runner.runAll(sim::parseScript(script, "t"));
  }
  static Platform& platform() { return phone::platform(); }
  static Framework& framework() { return phone::platform().framework(); }
  std::vector<std::string> notes;
};

TEST_F(RunnerTest, DrivesKeysTimeAndTheCharacterEditor) {
  Session session;
  platform().log().setEcho(false);
  EXPECT_TRUE(run("KEY 0x07 WAIT 250 KEY 0x08 KEY 0x06 TYPE \"Щука\" OK REPAINT"));
  const auto& lines = session.debugLines();
  auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("tick 12:00:00")) << ::testing::PrintToString(lines);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.rfind("tick", 0) == 0; }),
            2);
  EXPECT_TRUE(has("edit data 4"));
  EXPECT_TRUE(has("repaint"));
  EXPECT_TRUE(notes.empty());
}

TEST_F(RunnerTest, EditorWordsWithoutAnEditorAreNotedAndSkipped) {
  Session session;
  EXPECT_TRUE(run("TYPE \"x\"\nOK\nBACK"));
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0], "t, line 1: TYPE: the character editor is not open; nothing typed");
}

TEST_F(RunnerTest, AProgramThatExitsEndsTheRun) {
  Session session;
  EXPECT_FALSE(run("KEY 0x09 KEY 0x0B"));
  EXPECT_FALSE(framework().running());
}

}  // namespace
}  // namespace phone::testing
