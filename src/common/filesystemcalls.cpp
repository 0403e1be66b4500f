#include "filesystemcalls.h"

#include <cstdio>
#include <unistd.h>

namespace TextFile {

FileSystemCalls systemCalls() { return {::fsync, ::rename}; }

FileSystemCalls& fileSystemCalls()
{
    static FileSystemCalls calls = systemCalls();
    return calls;
}

} // namespace TextFile
