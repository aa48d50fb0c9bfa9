#pragma once

#include <array>
#include <vector>

#include "engine/fixed4.hpp"
#include "engine/truss_model.hpp"
#include "engine/working_formula.hpp"
#include "engine/working_steps.hpp"

namespace korvel::engine {

// What the computation functions record their values into; recording a value gives
// it back, so a step is computed and recorded in one statement. The ordinary run
// takes NoRecord, whose inline calls the compiler removes, so it pays nothing.
struct NoRecord {
    double operator()(Quantity, double value) const { return value; }
    Fixed4 operator()(Quantity, Fixed4 value) const { return value; }
    void loads(const std::array<Fixed4, kLoadCount>&) const {}
};

// Keeps every value in the order the analysis computes it, for its working.
class StepRecord {
public:
    struct Entry {
        Quantity quantity;
        Number value;
    };

    double operator()(Quantity quantity, double value) {
        entries_.push_back({quantity, value});
        return value;
    }
    Fixed4 operator()(Quantity quantity, Fixed4 value) {
        entries_.push_back({quantity, value});
        return value;
    }
    void loads(const std::array<Fixed4, kLoadCount>& values) { loads_ = values; }

    const std::vector<Entry>& entries() const { return entries_; }
    const std::array<Fixed4, kLoadCount>& load_values() const { return loads_; }

private:
    std::vector<Entry> entries_;
    std::array<Fixed4, kLoadCount> loads_{};
};

}  // namespace korvel::engine
