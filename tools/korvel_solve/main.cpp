#include <unistd.h>

#include <csignal>
#include <iostream>

#include "tools/korvel_solve/solve_command.hpp"

int main(int argc, char** argv) {
    // A file size limit makes the write fail, which is reported, instead of ending the program mid-line.
    std::signal(SIGXFSZ, SIG_IGN);
    return korvel::solve::run_solve(argc, argv, STDIN_FILENO, STDOUT_FILENO, std::cerr, true);
}
