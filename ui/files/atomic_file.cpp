#include "ui/files/atomic_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <string>
#include <system_error>

namespace korvel::ui {
namespace {

QString reason_of(int error) {
    return QString::fromStdString(std::error_code(error, std::generic_category()).message());
}

// The file a save replaces: a link is followed, so the link stays a link.
QString final_path(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

// Writes every byte, going on after an interruption or a short write, so that a
// full disk or a size limit is seen here and not after the rename.
int write_all(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// A new file beside the target, created exclusively with the umask's permissions.
int create_temporary(const std::string& target, std::string& temporary) {
    for (int attempt = 0; attempt < 64; ++attempt) {
        const auto slash = target.rfind('/');
        const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
        const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
        temporary = folder + '.' + name + '.' + std::to_string(QRandomGenerator::global()->generate64()) + ".tmp";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void sync_folder_of(const std::string& target) {
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The file is already in place; a folder that cannot be synced (some file systems) changes nothing of that.
    static_cast<void>(::fsync(fd));
    ::close(fd);
}

}  // namespace

std::optional<WriteFailure> write_file_atomically(const QString& path, const QByteArray& bytes) {
    const auto fail = [&path](int error) { return WriteFailure{path, reason_of(error)}; };
    const std::string target = QFile::encodeName(final_path(path)).toStdString();

    struct stat old {};
    const bool replaces = ::stat(target.c_str(), &old) == 0;
    if (replaces && S_ISDIR(old.st_mode)) return fail(EISDIR);
    if (replaces && !S_ISREG(old.st_mode)) return WriteFailure{path, QStringLiteral("it is not a regular file")};
    // A file the user may not write is not replaced behind its back.
    if (replaces && ::access(target.c_str(), W_OK) != 0) return fail(errno);

    std::string temporary;
    const int fd = create_temporary(target, temporary);
    if (fd < 0) return fail(errno);
    int error = 0;
    if (replaces && ::fchmod(fd, old.st_mode & 07777) != 0) error = errno;
    if (error == 0) error = write_all(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return fail(error);
    }
    sync_folder_of(target);
    return std::nullopt;
}

}  // namespace korvel::ui
