#pragma once

#include <array>
#include <vector>

#include "engine/fixed4.hpp"
#include "engine/truss_model.hpp"
#include "engine/working_formula.hpp"
#include "engine/working_steps.hpp"

namespace korvel::engine {

// What the computation functions record their values into. The ordinary run takes
// NoRecord, whose empty inline calls the compiler removes, so it pays nothing.
struct NoRecord {
    void operator()(Quantity, double) const {}
    void operator()(Quantity, Fixed4) const {}
    void loads(const std::array<Fixed4, kLoadCount>&) const {}
};

// Keeps every value in the order the analysis computes it, for its working.
class StepRecord {
public:
    struct Entry {
        Quantity quantity;
        Number value;
    };

    void operator()(Quantity quantity, double value) { entries_.push_back({quantity, value}); }
    void operator()(Quantity quantity, Fixed4 value) { entries_.push_back({quantity, value}); }
    void loads(const std::array<Fixed4, kLoadCount>& values) { loads_ = values; }

    const std::vector<Entry>& entries() const { return entries_; }
    const std::array<Fixed4, kLoadCount>& load_values() const { return loads_; }

private:
    std::vector<Entry> entries_;
    std::array<Fixed4, kLoadCount> loads_{};
};

}  // namespace korvel::engine
