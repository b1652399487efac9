// Files, named by 16-bit paths.
#pragma once

#include <phone/types.h>

#define FILE_READ_MODE 0   // read from the start
#define FILE_WRITE_MODE 1  // write from the start: creates, and replaces the old content on close

extern "C" {

UINT32 DL_FsSGetFileSize(const WCHAR* path, UINT8 reserved);  // 0 for a missing file
FILE_HANDLE_T DL_FsOpenFile(const WCHAR* path, UINT8 mode, UINT8 reserved);
// Both return 0 when every byte asked for was moved, and write the count moved.
UINT32 DL_FsReadFile(void* buffer, UINT32 size, UINT32 count, FILE_HANDLE_T file, UINT32* done);
UINT32 DL_FsWriteFile(const void* data, UINT32 size, UINT32 count, FILE_HANDLE_T file,
                      UINT32* done);
// Returns 0 when the file was closed (for a written file: its new content is in place).
UINT32 DL_FsCloseFile(FILE_HANDLE_T file);

}  // extern "C"
