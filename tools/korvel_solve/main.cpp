#include <iostream>

#include "tools/korvel_solve/solve_command.hpp"

int main(int argc, char** argv) {
    // Batch throughput depends on iostreams that skip C stdio synchronisation.
    std::ios::sync_with_stdio(false);
    return korvel::solve::run_solve(argc, argv, std::cin, std::cout, std::cerr);
}
