#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvel::engine {

// The caption of one result label. A Fixed4 text has at most 21 characters
// ("-922337203685477.5808"), so it is held inline: a run allocates nothing.
class ResultText {
public:
    static constexpr std::size_t kCapacity = 22;

    ResultText() = default;
    // Implicit, so that a result text can be set like a string.
    ResultText(std::string_view text) { assign(text); }

    ResultText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    void assign(std::string_view text) {
        if (text.size() > kCapacity) throw std::length_error("result text longer than a Fixed4 text");
        text.copy(chars_.data(), text.size());
        size_ = static_cast<std::uint8_t>(text.size());
    }

    // A text written straight into place by `write(char* buffer)`, which returns
    // the end of what it wrote (at most kCapacity characters).
    template <typename Writer>
    static ResultText written_by(Writer&& write) {
        ResultText text;
        const char* end = write(text.chars_.data());
        text.size_ = static_cast<std::uint8_t>(end - text.chars_.data());
        return text;
    }

    std::string_view view() const { return {chars_.data(), size_}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }

    friend bool operator==(const ResultText& a, const ResultText& b) { return a.view() == b.view(); }
    friend bool operator==(const ResultText& a, std::string_view b) { return a.view() == b; }
    friend std::ostream& operator<<(std::ostream& out, const ResultText& text) { return out << text.view(); }

private:
    std::array<char, kCapacity> chars_{};
    std::uint8_t size_ = 0;
};

}  // namespace korvel::engine
