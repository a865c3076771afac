#pragma once
// Writing a file's whole content so that it is either complete or untouched:
// the bytes go to a temporary file in the same folder, which is renamed over
// the target only once every byte is on the disk, with the old file's
// permissions. A device or pipe is written where it stands (renaming over it
// would destroy the node), a folder is refused, and a symbolic link is
// followed to the file it names. Failures come back as an error number; each
// program words them in its own language.
#include <string>
#include <string_view>

namespace orvalis {

struct WholeFileWrite {
    // Start of the temporary file's hidden name (".voltrix-", ".trayecta-").
    std::string_view temporaryPrefix;
    // Where the folder takes no new file (a shared classroom folder holding a
    // prepared, writable file), overwrite the target where it stands. A
    // failure half way then leaves it damaged, so only experiment files,
    // which may need it, ask for this.
    bool overwriteWhenNoTemporary = false;
};

// 0 when written, otherwise the errno of the step that failed; nothing is
// left behind but a damaged target after a failed in-place overwrite.
int writeWholeFile(const std::string &path, std::string_view bytes, const WholeFileWrite &how);

} // namespace orvalis
