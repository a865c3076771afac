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
    // Where the folder takes no new file, or refuses to replace the target
    // (a shared classroom folder holding a prepared, writable file; a folder
    // with the sticky bit where another user's file may be written but not
    // replaced), overwrite the target where it stands. Only experiment files,
    // which may need it, ask for this.
    bool overwriteWhenNoTemporary = false;
};

// What a failed write did to the file that was there.
enum class OldFile {
    Untouched, // the safe write never reaches the target before it succeeds
    Restored,  // written in place, the write failed and the old bytes are back
    Damaged,   // written in place, and not even the old bytes went back
};

struct WholeFileResult {
    int error = 0; // 0 when written, otherwise the errno of the step that failed
    OldFile oldFile = OldFile::Untouched;
};

// Nothing is left behind but the target itself.
WholeFileResult writeWholeFile(const std::string &path, std::string_view bytes, const WholeFileWrite &how);

} // namespace orvalis
