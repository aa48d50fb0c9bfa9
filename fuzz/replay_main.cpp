// Runs a fuzz target without libFuzzer: every file of a seed corpus, then
// pseudo-random variations of them, until a count or a time limit is reached.
// The tests use it so that every build, the sanitizer build included, puts the
// fuzz targets' checks to work with the normal compiler. The variations depend
// only on --seed, so a failure repeats with the same arguments.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::string> read_corpus(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());

    std::vector<std::string> corpus;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return corpus;
}

// Pieces that number parsing is sensitive to: signs, points, exponents, blanks,
// line breaks (which separate the analysis texts), range limits and ties.
constexpr std::array<std::string_view, 24> kTokens{"0",
                                                   "1",
                                                   "5",
                                                   "9",
                                                   ".",
                                                   "-",
                                                   "+",
                                                   " ",
                                                   "e",
                                                   "E",
                                                   "e-",
                                                   "e+",
                                                   "\n",
                                                   "\t",
                                                   "00000",
                                                   "99999999999",
                                                   "0.00005",
                                                   "922337203685477.5807",
                                                   "-922337203685477.5808",
                                                   "1e308",
                                                   "1e-400",
                                                   "\xe2\x88\x92",
                                                   "1,5",
                                                   std::string_view("\0", 1)};

class Variations {
public:
    Variations(const std::vector<std::string>& seeds, std::uint64_t seed) : seeds_(seeds), random_(seed) {}

    std::string next() {
        std::string text = seeds_.empty() ? std::string() : seeds_[below(seeds_.size())];
        const std::size_t edits = 1 + below(4);
        for (std::size_t i = 0; i < edits; ++i) edit(text);
        if (text.size() > kLongest) text.resize(kLongest);
        return text;
    }

private:
    static constexpr std::size_t kLongest = 1024;

    std::size_t below(std::size_t bound) { return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_); }

    void edit(std::string& text) {
        const std::size_t at = below(text.size() + 1);
        switch (below(5)) {
            case 0:
                if (at < text.size()) text[at] = static_cast<char>(below(256));
                break;
            case 1: text.insert(at, kTokens[below(kTokens.size())]); break;
            case 2: text.erase(at, below(9)); break;
            case 3: text.insert(at, text.substr(below(text.size() + 1), below(17))); break;
            default:
                if (!seeds_.empty()) {
                    const std::string& other = seeds_[below(seeds_.size())];
                    text = text.substr(0, at) + other.substr(below(other.size() + 1));
                }
                break;
        }
    }

    const std::vector<std::string>& seeds_;
    std::mt19937_64 random_;
};

void run_one(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Runs a fuzz target over a seed corpus and pseudo-random variations of it."};
    std::filesystem::path corpus_directory;
    std::size_t variation_count = 100000;
    double seconds = 5.0;
    std::uint64_t seed = 1;
    app.add_option("corpus", corpus_directory, "Directory of seed inputs, one per file")
        ->required()
        ->check(CLI::ExistingDirectory);
    app.add_option("--inputs", variation_count, "Number of variations to run after the seeds");
    app.add_option("--seconds", seconds, "Stop the variations after this many seconds");
    app.add_option("--seed", seed, "Seed of the variations");
    CLI11_PARSE(app, argc, argv);

    const std::vector<std::string> corpus = read_corpus(corpus_directory);
    for (const std::string& input : corpus) run_one(input);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Variations variations(corpus, seed);
    std::size_t ran = 0;
    while (ran < variation_count && std::chrono::steady_clock::now() < deadline) {
        run_one(variations.next());
        ++ran;
    }
    std::cout << "ran " << corpus.size() << " seed inputs and " << ran << " variations, no check failed\n";
    return 0;
}
