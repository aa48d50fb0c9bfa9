#include <unistd.h>

#include <iostream>

#include "tools/korvel_solve/solve_command.hpp"

int main(int argc, char** argv) {
    return korvel::solve::run_solve(argc, argv, STDIN_FILENO, STDOUT_FILENO, std::cerr, true);
}
