#include "bench/batch_cases.hpp"

#include <cstdio>
#include <random>

#include <nlohmann/json.hpp>

#include "engine/truss_model.hpp"

namespace korvel::bench {

namespace {

// A decimal with four places, as a user would type it.
std::string four_place_text(std::int64_t ten_thousandths) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(ten_thousandths) / 10000.0);
    return text;
}

}  // namespace

std::string generate_batch_cases(std::size_t count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::int64_t> span(10000, 1000000);
    std::uniform_int_distribution<std::int64_t> load(-500000, 500000);
    std::bernoulli_distribution present(0.5);

    std::string lines;
    nlohmann::ordered_json request;
    for (std::size_t i = 0; i < count; ++i) {
        request = nlohmann::ordered_json::object();
        request["span"] = four_place_text(span(random));
        nlohmann::ordered_json& loads = request["loads"] = nlohmann::ordered_json::object();
        for (const engine::LoadSlot& slot : engine::kLoadMap) {
            if (present(random)) loads[engine::load_key(slot)] = four_place_text(load(random));
        }
        lines += request.dump();
        lines += '\n';
    }
    return lines;
}

}  // namespace korvel::bench
