// The `phone` command as a user runs it: options, scripts, screenshots, exit statuses.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "display.h"

extern char** environ;

namespace phone::testing {
namespace {

namespace fs = std::filesystem;

struct Result {
  int status = -1;  // exit status; -1 when the command did not exit normally (a crash)
  std::string out, err;
};

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(PHONE_TEST_OUTPUT_DIR) / "sim" /
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir);
    fs::create_directories(dir / "data");
  }

  static std::string image(const std::string& name) {
    return (fs::path(PHONE_IMAGE_DIR) / (name + ".so")).string();
  }

  // Runs `phone ARGS` with `input` on standard input and the user's data directory under the
  // test's directory.
  Result phone(std::vector<std::string> args, const std::string& input = "") {
    std::ofstream(dir / "stdin") << input;
    std::vector<std::string> argStore{PHONE_COMMAND};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStore{"XDG_DATA_HOME=" + (dir / "xdg").string()};
    for (char** e = environ; *e; ++e)
      if (std::string(*e).rfind("XDG_DATA_HOME=", 0) != 0) envStore.push_back(*e);
    std::vector<char*> envp;
    for (auto& e : envStore) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, (dir / "stdin").c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, (dir / "stdout").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, (dir / "stderr").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    Result result;
    if (posix_spawn(&pid, PHONE_COMMAND, &actions, nullptr, argv.data(), envp.data()) == 0) {
      int status = 0;
      waitpid(pid, &status, 0);
      if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = slurp(dir / "stdout");
    result.err = slurp(dir / "stderr");
    return result;
  }

  fs::path dir;
};

// One clear line on standard error, naming what is wrong.
void expectOneLine(const Result& r, const std::string& mentions) {
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_EQ(r.err.rfind("phone: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find(mentions), std::string::npos) << r.err;
}

TEST_F(CommandTest, UnknownScriptWordStopsWithStatusTwoNamingWordAndLine) {
  std::ofstream(dir / "script.txt") << "# keys\nKEY 0x0B\nKEY 0x0B frob\n";
  const Result r = phone({image("fixture"), "--headless", "--script", (dir / "script.txt").string()});
  EXPECT_EQ(r.status, 2);
  expectOneLine(r, "line 3: unknown word \"frob\"");
  // Nothing ran: the program was never loaded.
  EXPECT_EQ(r.err.find("register"), std::string::npos) << r.err;

  const Result keys = phone({image("fixture"), "--headless", "--keys", "UP JUMP"});
  EXPECT_EQ(keys.status, 2);
  expectOneLine(keys, "--keys, line 1: unknown word \"JUMP\"");
}

TEST_F(CommandTest, WrongOptionsAreUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {image("fixture"), "--bogus"},
      {image("fixture"), "--lang", "fr"},
      {image("fixture"), "--scale", "0"},
      {image("fixture"), "--scale", "big"},
      {image("fixture"), "--clock", "25:00:00"},
      {image("fixture"), "--clock", "12:00"},
      {"--headless"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const Result r = phone(args);
    EXPECT_EQ(r.status, 2);
    expectOneLine(r, args.size() > 1 ? args[1] : "APP");
  }
}

TEST_F(CommandTest, AnImageThatCannotBeLoadedFails) {
  std::ofstream(dir / "text.so") << "not an image";
  for (const fs::path& bad : {dir / "missing.so", dir / "text.so", dir}) {
    const Result r = phone({bad.string(), "--headless"});
    EXPECT_EQ(r.status, 1);
    expectOneLine(r, "cannot load " + bad.string());
  }
}

TEST_F(CommandTest, AnUnwritableScreenshotFails) {
  const std::string bad = (dir / "no-such-dir" / "shot.png").string();
  Result r = phone({image("fixture"), "--headless", "--dir", (dir / "data").string(),
                    "--screenshot", bad});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(bad + ": No such file or directory"), std::string::npos) << r.err;

  r = phone({image("fixture"), "--headless", "--keys", "SHOT \"" + bad + "\"", "--dir",
             (dir / "data").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("--keys, line 1: cannot write " + bad), std::string::npos) << r.err;
}

TEST_F(CommandTest, HeadlessRunsRepeatTheirScreenshotsByteForByte) {
  if (!fs::exists(image("kav"))) GTEST_SKIP() << "kav is not built";
  const std::string script = "WAIT 2500 RIGHT UP UP MENU\nSHOT " + (dir / "mid.png").string();
  std::vector<std::string> bytes;
  for (const char* name : {"a.png", "b.png"}) {
    const Result r = phone({"kav", "--headless", "--keys", script, "--clock", "09:15:30",
                            "--screenshot", (dir / name).string()});
    ASSERT_EQ(r.status, 0) << r.err;
    bytes.push_back(slurp(dir / name));
    bytes.push_back(slurp(dir / "mid.png"));
  }
  EXPECT_GT(bytes[0].size(), 100u);
  EXPECT_EQ(bytes[0], bytes[2]);
  EXPECT_EQ(bytes[1], bytes[3]);
}

TEST_F(CommandTest, AProgramThatExitsEndsTheRun) {
  const Result r = phone({image("fixture"), "--headless", "--dir", (dir / "data").string(),
                          "--keys", "KEY 0x0B KEY 0x09 SHOT " + (dir / "after.png").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("destroy"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "after.png"));
}

TEST_F(CommandTest, ScriptFromStandardInputDrivesTheEditor) {
  const Result r = phone({image("fixture"), "--headless", "--dir", (dir / "data").string(),
                          "--script", "-", "--trace", (dir / "trace.txt").string()},
                         "key 0x06\ntype \"Ёлка\" ok\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("edit data 4"), std::string::npos) << r.err;
  // The end of a headless run closes the program; the trace has it all.
  EXPECT_NE(r.err.find("destroy"), std::string::npos) << r.err;
  const std::string trace = slurp(dir / "trace.txt");
  EXPECT_NE(trace.find("UIS_CreateCharacterEditor"), std::string::npos) << trace;
  EXPECT_NE(trace.find("APP_Exit"), std::string::npos) << trace;
}

TEST_F(CommandTest, ScreenshotsShowTheCharacterEditorWhileItIsOpen) {
  const fs::path open = dir / "open.png", closed = dir / "closed.png", end = dir / "end.png";
  const Result r = phone({image("fixture"), "--headless", "--dir", (dir / "data").string(),
                          "--keys", "KEY 0x06 TYPE \"Ёлка\" SHOT " + open.string() +
                                        " BACK SHOT " + closed.string() + " KEY 0x06",
                          "--screenshot", end.string()});
  ASSERT_EQ(r.status, 0) << r.err;
  int w = 0, h = 0;
  const std::vector<Rgb> editor = readPng(open, w, h), program = readPng(closed, w, h);
  // The editor's title bar, not the program's picture.
  EXPECT_EQ(editor[0], (Rgb{0x20, 0x40, 0x90}));
  EXPECT_NE(editor, program);
  // The screenshot at the end of the run too: the editor open again on the program's text.
  const std::vector<Rgb> last = readPng(end, w, h);
  EXPECT_EQ(last[0], (Rgb{0x20, 0x40, 0x90}));
  EXPECT_NE(last, editor);
}

TEST_F(CommandTest, DefaultDirectoryIsMadeInTheUsersDataDirectory) {
  const Result r = phone({image("fixture"), "--headless"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_directory(dir / "xdg" / "phone-sim"));
}

TEST_F(CommandTest, HelpDocumentsOptionsScriptWindowKeysAndExitStatuses) {
  const Result r = phone({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* text :
       {"--headless", "--keys", "--script", "--screenshot", "--dir", "--lang", "--clock",
        "--scale", "--trace", "--version", "kav, pemblo", "MENU", "SOFT2", "SELECT", "LIGHT",
        "END", "KEY 0xNN", "WAIT MS", "TYPE \"TEXT\"", "replace the whole text", "OK", "BACK",
        "REPAINT", "SHOT FILE.png", "F12", "Esc", "F1", "+ / -", "Exit statuses", "  2  ",
        "at the cursor", "Backspace and Delete", "Home and End", "Enter or F2",
        "F1 does nothing"})
    EXPECT_NE(r.out.find(text), std::string::npos) << text;
  const Result v = phone({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out, "phone 1.0\n");
}

}  // namespace
}  // namespace phone::testing
