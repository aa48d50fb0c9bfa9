#include <gtest/gtest.h>
#include <signal.h>
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
