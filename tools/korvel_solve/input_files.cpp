#include "tools/korvel_solve/input_files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/quoted_text.hpp"
#include "tools/korvel_solve/io_error.hpp"
#include "tools/korvel_solve/usage_error.hpp"

namespace korvel::solve {

namespace {

constexpr std::string_view kStandardInput = "-";

}  // namespace

InputFiles::InputFiles(const std::vector<std::string>& names) {
    try {
        for (const std::string& name : names) {
            if (name == kStandardInput) {
                inputs_.push_back({STDIN_FILENO, ""});
                continue;
            }
            const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) {
                const std::string reason =
                    errno == ELOOP ? "its symbolic links lead round in a loop" : system_error_text(errno);
                throw UsageError("cannot open " + engine::quoted_text(name) + ": " + reason);
            }
            inputs_.push_back({fd, name});
            struct stat status {};
            if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
                throw UsageError("cannot read " + engine::quoted_text(name) + ": it is a directory");
            }
        }
    } catch (...) {
        close_all();
        throw;
    }
    if (inputs_.empty()) inputs_.push_back({STDIN_FILENO, ""});
}

InputFiles::~InputFiles() { close_all(); }

void InputFiles::close_all() {
    for (const BatchInput& input : inputs_) {
        if (input.fd != STDIN_FILENO) ::close(input.fd);
    }
    inputs_.clear();
}

std::string input_description(const BatchInput& input) {
    return input.name.empty() ? "standard input" : engine::quoted_text(input.name);
}

std::string read_case_text(const BatchInput& input) {
    std::string text;
    char block[1 << 16];
    for (;;) {
        const ssize_t count = ::read(input.fd, block, sizeof block);
        if (count == 0) return text;
        if (count < 0) {
            if (errno == EINTR) continue;
            throw UsageError("cannot read " + input_description(input) + ": " + system_error_text(errno));
        }
        if (text.size() + static_cast<std::size_t>(count) > kMaxCaseFileBytes) {
            throw UsageError(input_description(input) + " is larger than 16 MiB; a case file holds one case object");
        }
        text.append(block, static_cast<std::size_t>(count));
    }
}

}  // namespace korvel::solve
