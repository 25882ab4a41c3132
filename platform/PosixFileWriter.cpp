#include "platform/PosixFileWriter.h"

#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace fs = std::filesystem;

namespace {

bool writeAll(int fd, const std::string& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Gives the new file the replaced file's owner and group where the user may
// (the group alone where the owner may not be given), then its mode. Rights
// of a group the file could not be given are not handed to the group it has.
bool takeOver(int fd, const struct stat& old)
{
    const bool groupKept = ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                           ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    mode_t mode = old.st_mode & 07777;
    if (!groupKept) mode &= ~static_cast<mode_t>(S_IRWXG | S_ISGID);
    return ::fchmod(fd, mode) == 0;
}

} // namespace

bool TPosixFileWriter::writeAtomically(const std::string& fileName, const std::string& data)
{
    const fs::path target = fs::path(fileName);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    const int lookUpError = replacing ? 0 : errno;
    if (replacing && (!S_ISREG(old.st_mode) || !MayReplaceFile(fileName, static_cast<fs::perms>(old.st_mode & 07777))))
        return false;
    // A new file gets what a new file of the user gets (0666 less the
    // umask); one that replaces a file, or a file whose mode cannot be read,
    // starts as the user's alone.
    const bool newFile = !replacing && lookUpError == ENOENT;
    const mode_t createMode = newFile ? 0666 : S_IRUSR | S_IWUSR;

    // Created exclusively and never through a link: a name taken by anything,
    // a planted link too, is passed over for the next one.
    fs::path tmp;
    int fd = -1;
    for (int attempt = 0; attempt < TemporaryNameAttempts && fd < 0; ++attempt) {
        tmp = target;
        tmp += nextTemporarySuffix();
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = !replacing || takeOver(fd, old);
    if (ok) announceWrite(tmp.string());
    ok = ok && writeAll(fd, data);
    // On the disk before it takes the name, so a power cut leaves the old
    // file or the new one, never a torn one.
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(tmp.c_str(), target.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    // The rename itself on the disk.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace orv
