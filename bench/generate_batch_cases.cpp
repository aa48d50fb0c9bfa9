#include <charconv>
#include <cstddef>
#include <iostream>
#include <string_view>

#include "bench/batch_cases.hpp"

// Writes N generated batch cases to standard output, for timing korvel-solve --batch.
int main(int argc, char** argv) {
    std::size_t count = 0;
    const std::string_view argument = argc == 2 ? argv[1] : "";
    const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), count);
    if (argument.empty() || error != std::errc() || end != argument.data() + argument.size()) {
        std::cerr << "usage: korvel-bench-cases N   (N: number of cases, e.g. 100000)\n";
        return 2;
    }
    std::cout << korvel::bench::generate_batch_cases(count);
    return std::cout ? 0 : 1;
}
