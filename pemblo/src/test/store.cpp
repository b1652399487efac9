// The list file "BlackList.txt" beside the program file: its path, its count and the three
// changes made to it. The file is the user's only data, so every change is made whole or not
// at all: the file is read completely first (a failed or short read abandons the change), the
// new content goes out in one write session, and the platform replaces the old file only when
// that session closes without a fault. Whatever happens, the next count shows what is on disk.
#include "pemblo.h"

extern "C" {

WCHAR file_name[FILE_NAME_UNITS];
UINT32 base_size;
UINT8 len = 1;
UINT8 mx = 12;
UINT8 pg;
UINT8 set = 1;
char buf[BUF_SIZE];
UINT32 file_records = 1;

}  // extern "C"

// Reads the first `size` bytes of the list file into a new block. Returns the block, or 0
// (nothing held) when they cannot be read whole.
UINT8* read_whole(UINT32 size) {
  UINT8* block = (UINT8*)suAllocMem(size, 0);
  if (!block) return 0;
  FILE_HANDLE_T f = DL_FsOpenFile(file_name, FILE_READ_MODE, 0);
  if (f == FILE_HANDLE_INVALID) {
    suFreeMem(block);
    return 0;
  }
  UINT32 done = 0;
  UINT32 r = DL_FsReadFile(block, size, 1, f, &done);
  DL_FsCloseFile(f);
  if (r != 0 || done != size) {
    suFreeMem(block);
    return 0;
  }
  return block;
}

namespace {

const char kDefault[] = "+80501234567 info";
const UINT8 kCrLf[2] = {CR, LF};
const WCHAR kListName[] = {'B', 'l', 'a', 'c', 'k', 'L', 'i', 's', 't', '.', 't', 'x', 't', 0};
const UINT32 kListNameUnits = 13;

// One stretch of the new content.
struct Piece {
  const UINT8* data;
  UINT32 size;
};

UINT8 have_path() { return file_name[0] != 0; }

// Reads the whole file into a new block. Returns 1 with the block in *data (0 for an empty or
// missing file) and its size in *size, or 0 when the file could not be read whole; nothing is
// held then.
UINT8 load(UINT8** data, UINT32* size) {
  *data = 0;
  *size = 0;
  if (!have_path()) return 0;
  UINT32 n = DL_FsSGetFileSize(file_name, 0);
  if (n == 0) return 1;
  UINT8* block = read_whole(n);
  // A file that changed size while it was read is not known whole either.
  if (!block || DL_FsSGetFileSize(file_name, 0) != n) {
    if (block) suFreeMem(block);
    return 0;
  }
  *data = block;
  *size = n;
  return 1;
}

// Writes the pieces in order as the file's new content, in one write session. Returns 1 when
// the new content is in place, 0 when the old file stays as it was.
UINT8 save(const Piece* pieces, UINT32 count) {
  if (!have_path()) return 0;
  FILE_HANDLE_T f = DL_FsOpenFile(file_name, FILE_WRITE_MODE, 0);
  if (f == FILE_HANDLE_INVALID) return 0;
  UINT8 ok = 1;
  for (UINT32 i = 0; i < count && ok; ++i) {
    if (pieces[i].size == 0) continue;
    UINT32 done = 0;
    if (DL_FsWriteFile(pieces[i].data, pieces[i].size, 1, f, &done) != 0 ||
        done != pieces[i].size)
      ok = 0;
  }
  // The platform keeps the old file when a write of this session failed.
  if (DL_FsCloseFile(f) != 0) ok = 0;
  return ok;
}

UINT8 save_one(const UINT8* data, UINT32 size) {
  Piece p;
  p.data = data;
  p.size = size;
  return save(&p, 1);
}

UINT8 save_default() { return save_one((const UINT8*)kDefault, (UINT32)strlen(kDefault)); }

// 1 plus the CR bytes among all but the last byte: a CR at the very end begins no record.
UINT32 count_records(const UINT8* data, UINT32 size) {
  UINT32 n = 1;
  for (UINT32 i = 0; i + 1 < size; ++i)
    if (data[i] == CR) ++n;
  return n;
}

// The bytes that deleting record s (1 <= s <= count) removes: for s >= 2 the CR that begins it
// and everything up to the CR that begins the next; for s = 1 its text, the CR after it and
// one LF directly after that CR.
void record_span(const UINT8* data, UINT32 size, UINT32 s, UINT32* start, UINT32* end) {
  UINT32 i = 0;
  if (s == 1) {
    while (i < size && data[i] != CR) ++i;
    if (i < size) ++i;
    if (i < size && data[i] == LF) ++i;
    *start = 0;
    *end = i;
    return;
  }
  UINT32 r = 1;
  while (i < size) {
    if (data[i] == CR && ++r == s) break;
    ++i;
  }
  *start = i;
  ++i;
  while (i < size && data[i] != CR) ++i;
  *end = i;
}

// 0 after a count that could not read the file.
UINT8 count_known;

void take_count(UINT32 size, UINT32 records) {
  base_size = size;
  file_records = records;
  // 8-bit count: records beyond the 255th stay in the file, untouched, out of reach.
  len = (UINT8)(records > MAX_RECORDS ? MAX_RECORDS : records);
  count_known = 1;
}

// Counts after a change. The change knows what is on disk (the new content when its write
// session closed without a fault, the old one otherwise), which stands when the file cannot
// be read back now.
void settle(UINT8 done, UINT32 new_size, UINT32 new_records, UINT32 old_size,
            UINT32 old_records) {
  all();
  if (!count_known) {
    if (done)
      take_count(new_size, new_records);
    else
      take_count(old_size, old_records);
  }
}

UINT32 selected() { return (UINT32)pg * mx + set; }

// After a change that did not happen, or a file that holds fewer records than before, the
// selection must still name a record.
void keep_selection() {
  if (set == 0 || set > mx || selected() > len) select_last();
}

// Removing the last record (from the CR that begins it) can leave a CR at the very end that
// began the record before it: it would then no longer count, and that (empty) record would
// be lost with the one removed. An LF after it keeps it a separator.
Piece keep_last_cr(const UINT8* data, UINT32 start, UINT32 end, UINT32 size) {
  Piece p;
  p.data = kCrLf + 1;
  p.size = (end == size && start > 0 && data[start - 1] == CR) ? 1 : 0;
  return p;
}

// The separator before an appended record. A CR at the very end of the file ends no record
// and so begins none: it becomes the appended record's separator, with an LF after it.
Piece separator(const UINT8* data, UINT32 size) {
  Piece p;
  p.data = kCrLf;
  p.size = 2;
  if (size > 0 && data[size - 1] == CR) {
    p.data = kCrLf + 1;
    p.size = 1;
  }
  return p;
}

// Reads the whole file before a change. When it cannot, the change is abandoned and the count
// taken again, so that the list shows what is really on disk.
UINT8 load_for_change(UINT8** data, UINT32* size) {
  if (load(data, size)) return 1;
  all();
  keep_selection();
  return 0;
}

}  // namespace

// The last record: with len 12 page 0, line 12; with len 13 page 1, line 1.
void select_last() {
  pg = (UINT8)__rt_udiv(mx, len);
  set = (UINT8)(len - pg * mx);
  if (set == 0) {
    set = mx;
    pg = (UINT8)(pg - 1);
  }
}

extern "C" {

// file_name becomes the directory of the program file with "BlackList.txt". A path whose
// directory does not fit 254 units, or that has no "/", leaves file_name empty: a cut or
// guessed path could name some other file, so the program then touches no file at all.
void make_path(const char* program_path) {
  file_name[0] = 0;
  if (!program_path) return;
  UINT32 slash = 0;
  UINT8 found = 0;
  for (UINT32 i = 0; program_path[i] != 0; ++i) {
    if (program_path[i] == '/') {
      slash = i;
      found = 1;
    }
    if (i > FILE_NAME_UNITS && found == 0) return;  // no "/" early enough to fit
  }
  if (!found) return;
  UINT32 dir = slash + 1;  // units of the directory part, its "/" included
  if (dir + kListNameUnits > FILE_NAME_UNITS - 1) return;
  for (UINT32 i = 0; i < dir; ++i) file_name[i] = (UINT8)program_path[i];
  file_name[dir] = 0;
  u_strcat(file_name, kListName);
}

// Counts the file; an empty or missing file first gets the default content. A file that
// cannot be read counts as one record with nothing shown (base_size 0) until a later count
// succeeds, and no change will touch it, since every change reads the file first.
void all() {
  UINT8 wrote_default = 0;
  if (have_path() && DL_FsSGetFileSize(file_name, 0) == 0) wrote_default = save_default();
  UINT8* data;
  UINT32 size;
  if (load(&data, &size)) {
    take_count(size, count_records(data, size));
    if (data) suFreeMem(data);
  } else if (wrote_default) {
    take_count((UINT32)strlen(kDefault), 1);
  } else {
    base_size = 0;
    file_records = 1;
    len = 1;
    count_known = 0;
  }
}

// A count that could not read the file is made again before the list is shown.
void check_count() {
  if (count_known) return;
  all();
  keep_selection();
}

// Replaces a one-record file by the text of buf (the default content when buf is empty). The
// file is read first: if it cannot be read, or holds more than one record now, overwriting it
// would take records the user never edited, so nothing is written.
void add_one() {
  UINT8* data;
  UINT32 size;
  UINT8 done = 0;
  if (!load_for_change(&data, &size)) return;
  UINT32 records = count_records(data, size);
  if (data) suFreeMem(data);
  UINT32 n = (UINT32)strlen(buf);
  if (n == 0) n = (UINT32)strlen(kDefault);
  if (records == 1) done = buf[0] ? save_one((const UINT8*)buf, n) : save_default();
  settle(done, n, 1, size, records);
  if (done) {
    pg = 0;
    set = 1;
  } else {
    keep_selection();
  }
}

// Appends the text of buf as a new last record and selects it. Refused when the file already
// holds MAX_RECORDS records, as the new record could not be shown or selected.
void add() {
  UINT8* data;
  UINT32 size;
  UINT8 done = 0;
  if (!load_for_change(&data, &size)) return;
  UINT32 records = count_records(data, size);
  Piece p[3];
  p[0].data = data;
  p[0].size = size;
  p[1] = separator(data, size);
  p[2].data = (const UINT8*)buf;
  p[2].size = (UINT32)strlen(buf);
  if (records < MAX_RECORDS) done = save(p, 3);
  if (data) suFreeMem(data);
  settle(done, size + p[1].size + p[2].size, records + 1, size, records);
  if (done)
    select_last();
  else
    keep_selection();
}

// Removes the selected record. When the file no longer holds it, nothing is written.
void del() {
  UINT8* data;
  UINT32 size;
  UINT8 done = 0;
  UINT32 s = selected();
  if (!load_for_change(&data, &size)) return;
  UINT32 records = count_records(data, size);
  UINT32 new_size = 0;
  if (size > 0 && s >= 1 && s <= records) {
    UINT32 start, end;
    record_span(data, size, s, &start, &end);
    new_size = start + (size - end);
    if (new_size == 0) {
      new_size = (UINT32)strlen(kDefault);
      done = save_default();  // nothing left: the empty file's default content, at once
    } else {
      Piece p[3];
      p[0].data = data;
      p[0].size = start;
      p[1].data = data + end;
      p[1].size = size - end;
      p[2] = keep_last_cr(data, start, end, size);
      new_size += p[2].size;
      done = save(p, 3);
    }
  }
  if (data) suFreeMem(data);
  settle(done, new_size, records > 1 ? records - 1 : 1, size, records);
  if (done && selected() > len) {
    set = (UINT8)(set - 1);
    if (set == 0) {
      set = mx;
      pg = (UINT8)(pg - 1);
    }
  }
  keep_selection();
}

void replace() {
  UINT8* data;
  UINT32 size;
  UINT8 done = 0;
  UINT32 s = selected();
  if (!load_for_change(&data, &size)) return;
  UINT32 records = count_records(data, size);
  UINT32 new_size = 0;
  // The record count stays the same; beyond MAX_RECORDS the edited record would land out of
  // reach.
  if (size > 0 && s >= 1 && s <= records && records <= MAX_RECORDS) {
    UINT32 start, end;
    record_span(data, size, s, &start, &end);
    UINT32 kept = start + (size - end);
    // What stays ends with a CR that the count does not take (it was the file's last byte
    // before): it becomes the new record's separator. A CR that ended up last only because
    // the record after it went keeps its record with a whole CR LF after it.
    UINT8 last = 0;
    if (end < size) last = data[size - 1];
    Piece p[4];
    p[0].data = data;
    p[0].size = start;
    p[1].data = data + end;
    p[1].size = size - end;
    p[2] = separator(&last, kept ? 1 : 0);
    p[3].data = (const UINT8*)buf;
    p[3].size = (UINT32)strlen(buf);
    new_size = kept + p[2].size + p[3].size;
    done = save(p, 4);
  }
  if (data) suFreeMem(data);
  settle(done, new_size, records, size, records);
  if (done)
    select_last();
  else
    keep_selection();
}

}  // extern "C"
