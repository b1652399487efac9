#include "script.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "display.h"
#include "editor.h"
#include "framework.h"
#include "platform.h"
#include "screen_view.h"

namespace phone::sim {

namespace {

std::string upper(std::string_view word) {
  std::string out(word);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

// Splits a script into words; a word in double quotes keeps its spaces (\" and \\ inside).
class Lexer {
 public:
  Lexer(std::string_view text, const std::string& source) : text_(text), source_(source) {}

  struct Word {
    std::string text;
    bool quoted = false;
    int line = 0;
  };

  // The next word, or false at the end of the script.
  bool next(Word& word) {
    skipSpaceAndComments();
    if (pos_ >= text_.size()) return false;
    word = Word{{}, false, line_};
    if (text_[pos_] != '"') {
      while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_])))
        word.text += text_[pos_++];
      return true;
    }
    word.quoted = true;
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size() || text_[pos_] == '\n')
        throw ScriptError(source_, word.line, "the text in double quotes has no closing quote");
      const char c = text_[pos_++];
      if (c == '"') break;
      if (c == '\\' && pos_ < text_.size() && (text_[pos_] == '"' || text_[pos_] == '\\'))
        word.text += text_[pos_++];
      else
        word.text += c;
    }
    return true;
  }

  // The word after a command on the same line, or ScriptError naming what is missing.
  Word argument(const Word& command, const char* what) {
    skipSpaceAndComments(false);
    Word arg;
    if (pos_ >= text_.size() || text_[pos_] == '\n' || !next(arg) || arg.line != command.line)
      throw ScriptError(source_, command.line, upper(command.text) + " needs " + what);
    return arg;
  }

 private:
  void skipSpaceAndComments(bool newlines = true) {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\n') {
        if (!newlines) return;
        ++line_;
        ++pos_;
      } else if (std::isspace(static_cast<unsigned char>(c))) {
        ++pos_;
      } else if (c == '#') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        return;
      }
    }
  }

  std::string_view text_;
  const std::string& source_;
  size_t pos_ = 0;
  int line_ = 1;
};

bool parseNumber(std::string_view text, uint32_t& value) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

uint8_t keyCode(std::string_view word, bool& known) {
  struct Named { const char* name; uint8_t code; };
  static constexpr Named kKeys[] = {
      {"UP", 0x2C},   {"DOWN", 0x2D},  {"LEFT", 0x2E},   {"RIGHT", 0x2F}, {"MENU", 0x0E},
      {"SOFT2", 0x0F}, {"SELECT", 0x3D}, {"LIGHT", 0x0A}, {"END", 0x11},
  };
  const std::string name = upper(word);
  for (const Named& key : kKeys) {
    if (name == key.name) {
      known = true;
      return key.code;
    }
  }
  known = false;
  return 0;
}

std::vector<Command> parseScript(std::string_view text, const std::string& source) {
  std::vector<Command> commands;
  Lexer lexer(text, source);
  Lexer::Word word;
  while (lexer.next(word)) {
    Command command;
    command.source = source;
    command.line = word.line;
    const std::string name = word.quoted ? std::string() : upper(word.text);
    bool isKey = false;
    const uint8_t code = word.quoted ? 0 : keyCode(name, isKey);
    if (isKey) {
      command.kind = Command::Kind::Key;
      command.value = code;
    } else if (name == "KEY") {
      const auto arg = lexer.argument(word, "a key code (KEY 0xNN)");
      if (!parseNumber(arg.text, command.value) || command.value > 0xFF)
        throw ScriptError(source, word.line,
                          "KEY needs a key code from 0 to 0xFF, not \"" + arg.text + "\"");
      command.kind = Command::Kind::Key;
    } else if (name == "WAIT") {
      const auto arg = lexer.argument(word, "a time in milliseconds (WAIT 1000)");
      if (!parseNumber(arg.text, command.value))
        throw ScriptError(source, word.line,
                          "WAIT needs a time in milliseconds, not \"" + arg.text + "\"");
      command.kind = Command::Kind::Wait;
    } else if (name == "TYPE") {
      const auto arg = lexer.argument(word, "a text in double quotes (TYPE \"TEXT\")");
      if (!arg.quoted)
        throw ScriptError(source, word.line,
                          "TYPE needs its text in double quotes, not \"" + arg.text + "\"");
      try {
        utf16(arg.text);
      } catch (const std::invalid_argument&) {
        throw ScriptError(source, word.line, "the TYPE text is not valid UTF-8");
      }
      command.kind = Command::Kind::Type;
      command.text = arg.text;
    } else if (name == "SHOT") {
      command.kind = Command::Kind::Shot;
      command.text = lexer.argument(word, "a file name (SHOT FILE.png)").text;
    } else if (name == "OK") {
      command.kind = Command::Kind::Ok;
    } else if (name == "BACK") {
      command.kind = Command::Kind::Back;
    } else if (name == "REPAINT") {
      command.kind = Command::Kind::Repaint;
    } else {
      throw ScriptError(source, word.line, "unknown word \"" + word.text + "\"");
    }
    commands.push_back(std::move(command));
  }
  return commands;
}

std::u16string utf16(std::string_view utf8) {
  std::u16string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t c = 0;
    if (b < 0x80) {
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      extra = 1;
      c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2;
      c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3;
      c = b & 0x07;
    } else {
      throw std::invalid_argument("malformed UTF-8");
    }
    if (i + extra >= utf8.size() && extra)
      throw std::invalid_argument("malformed UTF-8");
    for (int k = 1; k <= extra; ++k) {
      const auto cont = static_cast<unsigned char>(utf8[i + k]);
      if ((cont & 0xC0) != 0x80) throw std::invalid_argument("malformed UTF-8");
      c = c << 6 | (cont & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
      throw std::invalid_argument("malformed UTF-8");
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    i += 1 + extra;
  }
  return out;
}

ScriptRunner::ScriptRunner(Platform& platform, std::function<void(uint32_t)> wait,
                           std::function<void(const std::string&)> warn, ScreenView* view)
    : platform_(platform),
      wait_(std::move(wait)),
      warn_(std::move(warn)),
      ownView_(view ? nullptr : std::make_unique<ScreenView>()),
      view_(view ? view : ownView_.get()) {}

ScriptRunner::~ScriptRunner() = default;

bool ScriptRunner::run(const Command& command) {
  Framework& framework = platform_.framework();
  if (!framework.running()) return false;
  auto note = [&](const std::string& what) {
    warn_(command.source + ", line " + std::to_string(command.line) + ": " + what);
  };
  switch (command.kind) {
    case Command::Kind::Key:
      framework.pressKey(static_cast<uint8_t>(command.value));
      break;
    case Command::Kind::Wait:
      wait_(command.value);
      break;
    case Command::Kind::Type:
      if (!platform_.editor().type(utf16(command.text)))
        note("TYPE: the character editor is not open; nothing typed");
      break;
    case Command::Kind::Ok:
      if (!platform_.editor().ok()) note("OK: the character editor is not open");
      break;
    case Command::Kind::Back:
      if (!platform_.editor().back()) note("BACK: the character editor is not open");
      break;
    case Command::Kind::Repaint:
      framework.sendEvent(0x14);
      break;
    case Command::Kind::Shot:
      view_->writePng(command.text, platform_);
      break;
  }
  return framework.running();
}

bool ScriptRunner::runAll(const std::vector<Command>& commands) {
  for (const Command& command : commands)
    if (!run(command)) return false;
  return true;
}

}  // namespace phone::sim
