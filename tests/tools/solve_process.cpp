#include "tests/tools/solve_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <system_error>
#include <thread>

namespace korvel::testing_support {

namespace {

// A temporary file that disappears when closed.
class TempFile {
public:
    TempFile() : file_(std::tmpfile()) {}
    ~TempFile() { std::fclose(file_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return fileno(file_); }
    void write(const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fflush(file_);
        std::rewind(file_);
    }
    std::string read() {
        std::rewind(file_);
        std::string text;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;) text.append(buffer, n);
        return text;
    }

private:
    std::FILE* file_;
};

std::vector<char*> argv_of(const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(KORVEL_SOLVE_PATH)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

int status_of(int wait_status) {
    return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
}

std::string text_of(int fd) {
    std::string text;
    char buffer[4096];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

}  // namespace

Outcome run_solve(const std::vector<std::string>& arguments, const std::string& input, const char* stdout_path) {
    TempFile in, out, err;
    in.write(input);
    std::vector<char*> argv = argv_of(arguments);

    const pid_t child = fork();
    if (child == 0) {
        const int out_fd = stdout_path ? open(stdout_path, O_WRONLY) : out.fd();
        dup2(in.fd(), STDIN_FILENO);
        dup2(out_fd, STDOUT_FILENO);
        dup2(err.fd(), STDERR_FILENO);
        execv(KORVEL_SOLVE_PATH, argv.data());
        _exit(127);
    }
    int wait_status = 0;
    waitpid(child, &wait_status, 0);
    Outcome outcome;
    outcome.status = status_of(wait_status);
    outcome.out = out.read();
    outcome.err = err.read();
    return outcome;
}

SolveCoprocess::SolveCoprocess(const std::vector<std::string>& arguments, int out_fd) {
    int input[2];
    int output[2] = {-1, -1};
    if (pipe2(input, O_CLOEXEC) != 0 || (out_fd < 0 && pipe2(output, O_CLOEXEC) != 0))
        throw std::system_error(errno, std::generic_category(), "pipe2");
    char err_name[] = "/tmp/korvel-solve-err-XXXXXX";
    err_file_ = mkostemp(err_name, O_CLOEXEC);
    unlink(err_name);
    std::vector<char*> argv = argv_of(arguments);

    pid_ = fork();
    if (pid_ == 0) {
        dup2(input[0], STDIN_FILENO);
        dup2(out_fd < 0 ? output[1] : out_fd, STDOUT_FILENO);
        dup2(err_file_, STDERR_FILENO);
        execv(KORVEL_SOLVE_PATH, argv.data());
        _exit(127);
    }
    close(input[0]);
    in_ = input[1];
    if (out_fd < 0) {
        close(output[1]);
        out_ = output[0];
    }
}

SolveCoprocess::~SolveCoprocess() {
    close_input();
    if (out_ >= 0) close(out_);
    // A program still running at the end of a test is ended by its own id.
    if (pid_ > 0 && wait(0) < 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    close(err_file_);
}

bool SolveCoprocess::write(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(in_, text.data() + done, text.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void SolveCoprocess::close_input() {
    if (in_ >= 0) close(in_);
    in_ = -1;
}

std::string SolveCoprocess::read_line(int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        if (const auto end = pending_.find('\n'); end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd ready{out_, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return "(none)";
        char buffer[4096];
        const ssize_t n = ::read(out_, buffer, sizeof buffer);
        if (n <= 0) return "(none)";
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
}

int SolveCoprocess::wait(int seconds) {
    if (pid_ < 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        if (waitpid(pid_, &wait_status_, WNOHANG) == pid_) {
            pid_ = -1;
            return status_of(wait_status_);
        }
        if (std::chrono::steady_clock::now() >= deadline) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::string SolveCoprocess::error_output() const { return text_of(err_file_); }

}  // namespace korvel::testing_support
