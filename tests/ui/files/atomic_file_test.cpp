#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <string>
#include <system_error>
#include <vector>

#include "ui/files/atomic_file.hpp"

namespace korvel::ui {
namespace {

QByteArray contents_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves in a child process whose files may not grow past `limit` bytes, the way
// a full disk refuses them; gives back the reason reported, or "" for success.
std::string save_under_size_limit(const QString& path, const QByteArray& bytes, rlim_t limit) {
    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe_ends[0]);
        const rlimit size_limit{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size_limit);
        ::signal(SIGXFSZ, SIG_IGN);
        const auto failure = write_file_atomically(path, bytes);
        const std::string reason = failure ? failure->reason.toStdString() : std::string();
        const bool sent = ::write(pipe_ends[1], reason.data(), reason.size()) == static_cast<ssize_t>(reason.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipe_ends[1]);
    std::string reason;
    char chunk[256];
    for (ssize_t got; (got = ::read(pipe_ends[0], chunk, sizeof chunk)) > 0;)
        reason.append(chunk, static_cast<std::size_t>(got));
    ::close(pipe_ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? reason : "child failed";
}

TEST(AtomicFile, AWriteRefusedByTheFileSystemKeepsTheOldFileAndNamesTheReason) {
    struct Case {
        const char* what;
        int new_size;
        rlim_t limit;
    };
    const std::vector<Case> cases{
        {"nothing may be written", 100, 0},
        {"a small file cut short", 8 * 1024, 1024},
        {"a large file cut short", 64 * 1024, 20 * 1024},
    };
    const std::string too_large = std::error_code(EFBIG, std::generic_category()).message();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("case.korvel.json"));
        const QByteArray old_bytes(300, 'o');
        ASSERT_FALSE(write_file_atomically(file, old_bytes).has_value());
        EXPECT_EQ(save_under_size_limit(file, QByteArray(c.new_size, 'n'), c.limit), too_large);
        EXPECT_EQ(contents_of(file), old_bytes);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("case.korvel.json")})
            << "no temporary file is left behind";
        EXPECT_EQ(save_under_size_limit(file, QByteArray(c.new_size, 'n'), static_cast<rlim_t>(c.new_size)), "")
            << "the limit alone decides";
        EXPECT_EQ(contents_of(file), QByteArray(c.new_size, 'n'));
    }
}

// A truly full file system, not a size limit: a small tmpfs mounted in a mount
// namespace of a child's own (so nothing outlives the test), filled to the last
// byte after the old file is saved. The child exits 77 where it may not mount.
TEST(AtomicFile, ASaveOntoAFullFileSystemFailsAtOnceAndKeepsTheOldFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir folder;
    const std::string mount_point = QFile::encodeName(folder.path()).toStdString();
    const QString file = folder.filePath(QStringLiteral("case.korvel.json"));
    const QByteArray old_bytes(300, 'o');
    const std::string no_space = std::error_code(ENOSPC, std::generic_category()).message();
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(20);  // a writer that retried on a full disk for good ends here, by the signal
        if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=64k") != 0) {
            ::_exit(77);
        }
        if (write_file_atomically(file, old_bytes)) ::_exit(2);
        const std::string filler = mount_point + "/filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0600);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {}
        while (::write(fd, block.data(), 1) > 0) {}
        ::close(fd);
        const auto failure = write_file_atomically(file, QByteArray(8 * 1024, 'n'));
        const bool reason_said = failure && failure->reason.toStdString() == no_space;
        const bool old_kept = contents_of(file) == old_bytes;
        const bool nothing_left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size() == 2;
        ::_exit(reason_said && old_kept && nothing_left ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no mount namespace here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: the old file was not saved; 3: the full disk was not reported as "
                                         "such, or the old file or a temporary file was touched";
}

TEST(AtomicFile, ASavedFileKeepsItsPermissionsAndAReadOnlyOneIsReplacedOnlyWhereAllowed) {
    for (const mode_t mode : {mode_t{0640}, mode_t{0600}, mode_t{0444}}) {
        SCOPED_TRACE(mode);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("report.pdf"));
        ASSERT_FALSE(write_file_atomically(file, "old").has_value());
        ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), mode), 0);
        const bool may_write = ::access(QFile::encodeName(file).constData(), W_OK) == 0;
        const auto failure = write_file_atomically(file, "new");
        EXPECT_EQ(failure.has_value(), !may_write);
        EXPECT_EQ(contents_of(file), may_write ? QByteArray("new") : QByteArray("old"));
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, mode);
    }
}

TEST(AtomicFile, ASaveThroughALinkReplacesTheLinkedFileAndKeepsTheLink) {
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("target.csv"));
    const QString link = folder.filePath(QStringLiteral("link.csv"));
    ASSERT_FALSE(write_file_atomically(target, "old").has_value());
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_FALSE(write_file_atomically(link, "new").has_value());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contents_of(target), QByteArray("new"));
}

}  // namespace
}  // namespace korvel::ui
