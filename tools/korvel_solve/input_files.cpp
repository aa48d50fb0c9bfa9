#include "tools/korvel_solve/input_files.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/quoted_text.hpp"
#include "tools/korvel_solve/interruption.hpp"
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
            // Without a writer, a FIFO would hold a blocking open for good; reading it
            // waits in poll instead, where an interruption is taken.
            const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
            if (fd < 0) {
                const std::string reason =
                    errno == ELOOP ? "its symbolic links lead round in a loop" : system_error_text(errno);
                throw InputError("cannot open " + engine::quoted_text(name) + ": " + reason);
            }
            inputs_.push_back({fd, name});
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            struct stat status {};
            if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
                throw InputError("cannot read " + engine::quoted_text(name) + ": it is a directory");
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

bool names_project_parts(std::string_view text) {
    // Scans for the rare 'c' rather than the quote that every key and text starts with.
    for (std::size_t c = text.find('c', 1); c != std::string_view::npos; c = text.find('c', c + 1)) {
        if (text[c - 1] != '"') continue;
        const std::string_view rest = text.substr(c);
        if (rest.starts_with("cases\"") || rest.starts_with("combinations\"")) return true;
    }
    return false;
}

std::string input_description(const BatchInput& input) {
    return input.name.empty() ? "standard input" : engine::quoted_text(input.name);
}

std::string read_case_text(const BatchInput& input) {
    std::string text;
    char block[1 << 16];
    for (;;) {
        // A FIFO with no writer yet reads as ended: wait until it has something to say.
        wait_for(input.fd, POLLIN, -1);
        const ssize_t count = ::read(input.fd, block, sizeof block);
        if (count == 0) return text;
        if (count < 0) {
            if (errno == EINTR) continue;
            throw InputError("cannot read " + input_description(input) + ": " + system_error_text(errno));
        }
        if (text.size() + static_cast<std::size_t>(count) > kMaxCaseFileBytes) {
            throw InputError(input_description(input) +
                             " is larger than 64 MiB, the most a case or project file may hold; a case is one small "
                             "object, and a project of 1000 cases and 1000 combinations takes about 25 MB");
        }
        text.append(block, static_cast<std::size_t>(count));
    }
}

}  // namespace korvel::solve
