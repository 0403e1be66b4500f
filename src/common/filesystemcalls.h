#pragma once

// The two calls a replaced file's safety rests on: the sync that puts the new
// bytes on the disk and the rename that puts them in the file's place. The
// atomic writer makes them through these pointers so that the tests can fail
// them or count them; nothing else changes them.
namespace TextFile {

struct FileSystemCalls
{
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};

// The system's own calls.
FileSystemCalls systemCalls();

// The calls in use: the system's own unless a test put others in.
FileSystemCalls& fileSystemCalls();

} // namespace TextFile
