#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace korvel::testing_support {

struct Outcome {
    int status = -1;  // the exit status, or 128 + the signal that ended the program
    std::string out;
    std::string err;
};

// Runs the real korvel-solve with `input` on standard input; stdout_path, when
// given, replaces the captured standard output (e.g. /dev/full).
Outcome run_solve(const std::vector<std::string>& arguments, const std::string& input = "",
                  const char* stdout_path = nullptr);

// korvel-solve running with pipes to its standard input and output, as a
// coprocess: the test writes a line and waits for the answer.
class SolveCoprocess {
public:
    // out_fd, when given, is the program's standard output instead of a pipe.
    explicit SolveCoprocess(const std::vector<std::string>& arguments, int out_fd = -1);
    ~SolveCoprocess();
    SolveCoprocess(const SolveCoprocess&) = delete;
    SolveCoprocess& operator=(const SolveCoprocess&) = delete;

    // False when the program no longer takes input.
    bool write(const std::string& text);
    void close_input();
    // The next line of output without its line break, or "(none)" after `seconds` without one.
    std::string read_line(int seconds = 10);
    // Waits up to `seconds` for the program to end; its exit status (as Outcome::status), or -1.
    int wait(int seconds = 20);
    // How the program ended, as waitpid reports it (for WIFSIGNALED and WTERMSIG), once wait has seen it end.
    int wait_status() const { return wait_status_; }
    std::string error_output() const;
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    int err_file_ = -1;
    std::string pending_;
    int wait_status_ = 0;
};

}  // namespace korvel::testing_support
