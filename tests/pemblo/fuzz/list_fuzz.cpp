// Arbitrary list files and key sequences through the loaded list editor. Each input is a list
// file and a script of actions (keys, deletes, appends and edits through the character editor,
// a file fault now and then). After every change the records it did not touch must be exactly
// as they were, the file must hold what the change says (or stay as it was when the change was
// refused or a fault was injected), the count must match the file and the selection must name
// a record. Any breach, memory block still held or sanitizer report aborts.
//
// Input: two bytes of little-endian length L, L bytes of list file, then the actions.
// LIST_FUZZ_DEBUG=1 in the environment prints the state before every action.
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "editor.h"
#include "files.h"
#include "framework.h"
#include "image.h"
#include "language.h"
#include "memory.h"
#include "platform.h"

namespace {

namespace fs = std::filesystem;

const std::string kDefault = "+80501234567 info";

[[noreturn]] void fail(const std::string& what, const std::string& before,
                       const std::string& after) {
  auto hex = [](const std::string& s) {
    std::string out;
    char b[4];
    for (unsigned char c : s.substr(0, 200)) {
      std::snprintf(b, sizeof b, "%02X ", c);
      out += b;
    }
    return out;
  };
  std::fprintf(stderr, "list fuzz: %s\n  before: %s\n  after:  %s\n", what.c_str(),
               hex(before).c_str(), hex(after).c_str());
  std::abort();
}

// Records as the user sees them: split at CR, without the LF that follows a separating CR,
// without the empty piece after a CR that is the file's last byte.
std::vector<std::string> records(const std::string& bytes) {
  std::vector<std::string> out(1);
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      if (i + 1 == bytes.size()) break;
      out.emplace_back();
      if (bytes[i + 1] == '\n') ++i;
    } else {
      out.back() += bytes[i];
    }
  }
  return out;
}

// Units the script can type, and the Windows-1251 bytes they must be stored as.
struct Typed {
  char16_t unit;
  char byte;
};
const Typed kTyped[16] = {
    {u'a', 'a'},         {u'Z', 'Z'},         {u'0', '0'},         {u' ', ' '},
    {u'\u0410', '\xC0'}, {u'\u044F', '\xFF'}, {u'\u0401', '\xA8'}, {u'\u0451', '\xB8'},
    {u'\u2116', '\xB9'}, {u'\u20AC', '\x88'}, {u'\u4E00', '?'},    {u'\u00C9', '\xC9'},
    {u'\u0098', '\x98'}, {u'\r', ' '},        {u'\n', ' '},        {u'\u0450', '?'},
};

#if PEMBLO_FUZZ_PIN_IMAGE
// libFuzzer keeps reading the coverage counters of every module it has seen, so the
// instrumented image must stay mapped: it is opened once more and never closed, and its
// writable data is put back to the state at load before each run instead.
class PinnedImage {
 public:
  PinnedImage() {
    path_ = fs::canonical(fs::path(PHONE_IMAGE_DIR) / "pemblo.so");
    handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) std::abort();
    ::dl_iterate_phdr(&PinnedImage::segments, this);
    if (ranges_.empty()) std::abort();
    for (auto& r : ranges_) r.bytes.assign(r.size, 0), copy(r.bytes.data(), r.at, r.size);
  }
  void restore() {
    for (auto& r : ranges_) copy(r.at, r.bytes.data(), r.size);
  }

 private:
  struct Range {
    uint8_t* at;
    size_t size;
    std::vector<uint8_t> bytes;
  };
  // A plain byte copy that the address checker leaves alone (redzones lie between globals).
  __attribute__((no_sanitize("address"))) static void copy(uint8_t* to, const uint8_t* from,
                                                           size_t n) {
    volatile uint8_t* t = to;
    for (size_t i = 0; i < n; ++i) t[i] = from[i];
  }
  static int segments(dl_phdr_info* info, size_t, void* self) {
    auto* me = static_cast<PinnedImage*>(self);
    if (!info->dlpi_name || fs::path(info->dlpi_name) != me->path_) return 0;
    uintptr_t page = uintptr_t(::sysconf(_SC_PAGESIZE));
    uintptr_t relroEnd = 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
      const auto& ph = info->dlpi_phdr[i];
      if (ph.p_type == PT_GNU_RELRO)
        relroEnd = (info->dlpi_addr + ph.p_vaddr + ph.p_memsz) & ~(page - 1);
    }
    for (int i = 0; i < info->dlpi_phnum; ++i) {
      const auto& ph = info->dlpi_phdr[i];
      if (ph.p_type != PT_LOAD || !(ph.p_flags & PF_W)) continue;
      uintptr_t begin = info->dlpi_addr + ph.p_vaddr, end = begin + ph.p_memsz;
      begin = std::max(begin, relroEnd);
      if (begin < end) me->ranges_.push_back({reinterpret_cast<uint8_t*>(begin), end - begin, {}});
    }
    return 1;
  }

  fs::path path_;
  void* handle_ = nullptr;
  std::vector<Range> ranges_;
};
#endif

class Run {
 public:
  Run(const fs::path& dir, const uint8_t* data, size_t size) : dir_(dir), data_(data), size_(size) {}

  void go() {
    if (size_ < 2) return;
    size_t n = std::min<size_t>(data_[0] | (data_[1] << 8), size_ - 2);
    std::string list(reinterpret_cast<const char*>(data_ + 2), n);
    pos_ = 2 + n;
    auto& p = phone::platform();
    p.reset();
    p.files().setDurable(false);
#if PEMBLO_FUZZ_PIN_IMAGE
    static PinnedImage pinned;
    pinned.restore();
#endif
    p.language().set(next() & 1 ? "#ru" : "en");
    fs::remove(dir_ / "BlackList.txt");
    {
      std::ofstream out(dir_ / "BlackList.txt", std::ios::binary);
      out << list;
    }
    p.framework().load(fs::path(PHONE_IMAGE_DIR) / "pemblo.so", (dir_ / "pemblo.elf").string());
    if (!p.framework().running()) fail("did not start", list, "");
    checkState();
    while (pos_ < size_ && p.framework().running()) step();
    if (p.framework().running()) p.framework().destroy();
    if (!p.memory().violations().empty()) fail(p.memory().violations()[0], "", "");
  }

 private:
  uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }

  template <class T>
  T& var(const char* name) {
    return *phone::platform().framework().image()->symbol<T>(name);
  }
  uint32_t selected() { return var<uint8_t>("pg") * 12u + var<uint8_t>("set"); }
  std::string list() {
    std::ifstream in(dir_ / "BlackList.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // A file fault injected and not yet happened.
  int fired() {
    int n = 0;
    for (int k = 0; k < 4; ++k)
      if (faultAt_[k] && phone::platform().files().count(phone::FileOp(k)) >= faultAt_[k]) ++n;
    return n;
  }
  bool armed() {
    for (int k = 0; k < 4; ++k)
      if (faultAt_[k] && phone::platform().files().count(phone::FileOp(k)) < faultAt_[k])
        return true;
    return false;
  }
  void key(uint8_t code) { phone::platform().framework().pressKey(code); }
  bool running() { return phone::platform().framework().running(); }

  // Closes the editor, a dialog or the menu without ending the program.
  void plain() {
    // Keys reach only the main state: an editor opened by raw keys is left first.
    if (phone::platform().editor().isOpen()) phone::platform().editor().back();
    if (var<uint8_t>("ExitMenu") && var<uint8_t>("ExitOkNo")) key(0x2E);
    if (var<uint8_t>("ExitMenu") || var<uint8_t>("About") || var<uint8_t>("Error")) key(0x3D);
    if (var<uint8_t>("OnMenu")) key(0x0E);
  }
  void choose(uint16_t item) {
    plain();
    key(0x0E);
    for (int guard = 0; var<uint16_t>("setmenu") != item && guard < 8; ++guard) key(0x2D);
    key(0x3D);
  }

  void checkState() {
    std::string bytes = list();
    auto recs = records(bytes);
    uint32_t len = var<uint8_t>("len");
    if (len != std::min<size_t>(recs.size(), 255)) fail("count does not match the file", bytes, "");
    if (var<uint32_t>("base_size") != bytes.size()) fail("size does not match the file", bytes, "");
    uint32_t s = selected();
    if (s < 1 || s > len || var<uint8_t>("set") > 12) fail("selection out of range", bytes, "");
    const char* buf = &var<char>("buf");
    bool terminated = false;
    for (int i = 0; i < 51; ++i) terminated |= buf[i] == 0;
    if (!terminated) fail("buf not terminated", bytes, "");
  }

  // The text that the editor opened on the selected record gives back unchanged.
  std::string editorText(const std::string& record) {
    std::string out;
    for (char c : record) {
      if (c == '\n') continue;
      if (out.size() == 50) break;
      out += c;
    }
    return out.substr(0, out.find('\0'));
  }
  static bool whole(const std::string& record) {
    return record.size() <= 50 && record.find('\0') == std::string::npos &&
           record.find('\n') == std::string::npos;
  }

  enum class Change { Delete, Add, Edit };

  // Runs a change and checks the file against what it must have become.
  void change(Change kind, std::optional<std::u16string> typed, std::string typedBytes) {
    std::string before = list();
    auto old = records(before);
    uint32_t s = selected();
    std::string record = old[s - 1];
    bool pending = armed();
    int firedBefore = fired();
    std::string shown;
    bool shownEmpty = false;
    if (kind == Change::Delete) {
      choose(1);
      if (var<uint8_t>("Error")) key(0x3D);
    } else {
      choose(kind == Change::Add ? 2 : 0);
      if (!phone::platform().editor().isOpen()) fail("the editor did not open", before, "");
      // The editor starts with the selected record, a byte to a unit of the same value; after
      // a fault while the list was painted, with nothing (the record could not be read).
      for (char16_t u : phone::platform().editor().text()) shown += char(u);
      shownEmpty = shown != editorText(record);
      if (shownEmpty && !(fired() > firedBefore && shown.empty()))
        fail("the editor did not get the selected record", before, "");
      if (typed) phone::platform().editor().type(*typed);
      phone::platform().editor().ok();
      if (std::getenv("LIST_FUZZ_DEBUG"))
        std::fprintf(stderr, "after ok: state %u buf '%s' len %d editor open %d\n",
                     phone::platform().framework().currentState(), &var<char>("buf"),
                     var<uint8_t>("len"), phone::platform().editor().isOpen());
    }
    if (!running()) fail("the program ended", before, "");
    bool faulted = fired() > firedBefore;
    std::string after = list();
    auto now = records(after);

    std::string text = typed ? typedBytes.substr(0, 50) : shown;
    std::vector<std::string> expected = old;
    bool refused = false;
    switch (kind) {
      case Change::Delete:
        if (old.size() <= 1) refused = true;
        expected.erase(expected.begin() + (s - 1));
        break;
      case Change::Add:
        if (old.size() >= 255) refused = true;
        expected.push_back(text);
        break;
      case Change::Edit:
        // Confirmed as shown (typed or not): a record not whole in the editor stays.
        if (text == shown && (!whole(record) || shownEmpty)) {
          refused = true;
        } else if (old.size() == 1) {
          expected = {text};
        } else {
          if (old.size() > 255) refused = true;
          expected.erase(expected.begin() + (s - 1));
          expected.push_back(text);
        }
        break;
    }
    if (expected.size() == 1 && expected[0].empty()) expected[0] = kDefault;
    bool unchanged = after == before;
    if (refused && !unchanged) fail("a refused change wrote the file", before, after);
    if (!refused && !(faulted && unchanged) && now != expected)
      fail("records not as the change says (change " + std::to_string(int(kind)) +
               (typed ? " typed" : " unchanged") + " on record " + std::to_string(s) +
               ", text of " + std::to_string(text.size()) + " bytes, fault pending " +
               std::to_string(pending) + " fired " + std::to_string(faulted) + ")",
           before, after);
    checkState();
  }

  std::pair<std::u16string, std::string> typed() {
    size_t n = next() % 60;
    std::pair<std::u16string, std::string> out;
    for (size_t i = 0; i < n; ++i) {
      const Typed& t = kTyped[next() % 16];
      out.first += t.unit;
      out.second += t.byte;
    }
    return out;
  }

  void step() {
    uint8_t op = next();
    if (std::getenv("LIST_FUZZ_DEBUG"))
      std::fprintf(stderr, "op %d: len %d selected %u menu %d exit %d about %d error %d state %u\n",
                   op % 16, var<uint8_t>("len"), selected(), var<uint8_t>("OnMenu"),
                   var<uint8_t>("ExitMenu"), var<uint8_t>("About"), var<uint8_t>("Error"),
                   phone::platform().framework().currentState());
    switch (op % 16) {
      case 0: key(0x2C); break;
      case 1: key(0x2D); break;
      case 2: key(0x2E); break;
      case 3: key(0x2F); break;
      case 4: key(0x0E); break;
      case 5: key(0x3D); break;
      case 6: key(0x0F); break;
      case 7: phone::platform().framework().sendEvent(0x14); break;
      case 8: change(Change::Delete, std::nullopt, ""); break;
      case 9: {
        auto [u, b] = typed();
        change(Change::Add, u, b);
        break;
      }
      case 10: {
        auto [u, b] = typed();
        change(Change::Edit, u, b);
        break;
      }
      case 11: change(Change::Edit, std::nullopt, ""); break;
      case 12: change(Change::Add, std::nullopt, ""); break;
      case 13:
        choose(next() & 1 ? 0 : 2);
        if (phone::platform().editor().isOpen()) {
          phone::platform().editor().type(u"never");
          phone::platform().editor().back();
        }
        break;
      case 14: {
        uint8_t code = next();
        if (code == 0x11 && (op & 0x10) == 0) code = 0x0A;  // end the program only sometimes
        key(code);
        break;
      }
      case 15: {  // the next file operation of a kind fails
        uint8_t f = next();
        auto& files = phone::platform().files();
        auto kind = phone::FileOp(f % 4);
        faultAt_[f % 4] = files.count(kind) + 1 + (f >> 2) % 4;
        files.failAt(kind, faultAt_[f % 4]);
        return;
      }
    }
    if (running() && !armed()) checkState();
  }

  fs::path dir_;
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  uint64_t faultAt_[4] = {};  // per kind of file operation: the one that fails
};

fs::path workDir() {
  static fs::path dir = [] {
    std::string pattern = (fs::temp_directory_path() / "pemblo-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return fs::path(pattern);
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Run(workDir(), data, size).go();
  return 0;
}
