// The one writer of every file the program writes (fuel, CSV, PDF): the whole new file
// beside the old one, synced, then renamed over it, so a failure leaves the old file whole.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string_view>

#include "fuel/file_error.h"

namespace fuel {

// Writes `bytes` as the file `path`: into a temporary beside the target, checking every
// write and the close, syncing the file, renaming it over the old one and syncing the
// folder, so that a failure or a crash leaves the old file whole and no temporary behind.
// A symbolic link is written through: the file it points to is replaced, the link stays.
// An existing file that this user may not write (no write permission at all, for root)
// is refused and left as it is; the new file keeps the old one's permissions. Throws
// FileError, with the operating system's reason, on any failure. Afterwards, stale
// temporaries in the folder are removed (RemoveStaleTemporaries).
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The write(2) that WriteFileAtomically calls; tests put one in that fails part way.
using WriteCall = ssize_t (*)(int fd, const void* buffer, std::size_t size);
// Makes WriteFileAtomically call `call` (nullptr: the system's write); returns the call
// it made before.
WriteCall SetWriteCallForTesting(WriteCall call);

// A temporary that a save left behind this long ago is stale: no save takes so long.
inline constexpr std::chrono::minutes kStaleTemporaryAge{10};

// Whether a file name is that of a save's temporary: ".pyrana-", 16 hexadecimal digits,
// ".tmp".
bool IsSaveTemporaryName(std::string_view file_name);

// Removes from `folder` the regular files named as a save's temporaries that were last
// written kStaleTemporaryAge or more ago: what a save killed half way leaves. Returns how
// many were removed; never throws.
int RemoveStaleTemporaries(const std::filesystem::path& folder) noexcept;

}  // namespace fuel
