#include "load_case/design_presets.hpp"

#include <algorithm>
#include <string>

namespace korvel::load_case {
namespace {

// One way to fill a term: these cases, each times its factor; no cases leaves the term out.
using Option = std::vector<Factor>;

std::vector<Option> options_of(const PresetTerm& term, const std::vector<LoadCase>& cases) {
    std::vector<Option> options;
    for (const PresetChoice& choice : {term.first, term.second}) {
        if (choice.factor.empty()) continue;
        if (choice.kind == CaseKind::Dead) {
            // The dead loads always act together.
            Option together;
            for (const LoadCase& load_case : cases)
                if (load_case.kind == CaseKind::Dead) together.push_back({load_case.name, std::string(choice.factor)});
            if (!together.empty()) options.push_back(std::move(together));
            continue;
        }
        for (const LoadCase& load_case : cases)
            if (load_case.kind == choice.kind) options.push_back({{load_case.name, std::string(choice.factor)}});
    }
    // The dead loads are never left out while there are any.
    const bool dead = term.first.kind == CaseKind::Dead && !options.empty();
    if (!term.required && !dead) options.emplace_back();
    return options;
}

}  // namespace

std::string preset_combination_name(const DesignPreset& preset, std::size_t formula,
                                    const std::vector<Factor>& factors) {
    std::string name = std::string(preset.prefix) + ' ' + std::to_string(formula + 1) + ": ";
    for (std::size_t i = 0; i < factors.size(); ++i) {
        if (i > 0) name += " + ";
        if (factors[i].text != "1") name += factors[i].text + ' ';
        name += factors[i].case_name;
    }
    return name;
}

std::vector<Combination> preset_combinations(const DesignPreset& preset, const std::vector<LoadCase>& cases) {
    std::vector<Combination> combinations;
    for (std::size_t formula = 0; formula < preset.formulas.size(); ++formula) {
        const PresetFormula& row = preset.formulas[formula];
        std::vector<std::vector<Option>> terms;
        for (std::size_t t = 0; t < row.term_count; ++t) terms.push_back(options_of(row.terms[t], cases));
        if (std::any_of(terms.begin(), terms.end(), [](const auto& options) { return options.empty(); })) continue;

        // Every pick of one option per term, the first term's options changing slowest.
        std::vector<std::size_t> pick(terms.size(), 0);
        for (bool more = true; more && combinations.size() < kProjectPartLimit;) {
            Combination combination;
            for (std::size_t t = 0; t < terms.size(); ++t)
                for (const Factor& factor : terms[t][pick[t]]) combination.factors.push_back(factor);
            combination.name = preset_combination_name(preset, formula, combination.factors);
            const bool repeated = std::any_of(combinations.begin(), combinations.end(),
                                              [&](const Combination& c) { return c.name == combination.name; });
            if (!combination.factors.empty() && !repeated) combinations.push_back(std::move(combination));

            more = false;
            for (std::size_t t = terms.size(); t-- > 0;) {
                if (++pick[t] < terms[t].size()) {
                    more = true;
                    break;
                }
                pick[t] = 0;
            }
        }
    }
    return combinations;
}

}  // namespace korvel::load_case
