#pragma once
// A terminated character buffer of fixed capacity. Appends and assignments that would pass the
// capacity are cut at it, never written beyond it: the interpreters keep names, words and blazon
// texts in such buffers.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace esc {

template <std::size_t Capacity>
class FixedString {
public:
    static constexpr std::size_t kCapacity = Capacity;  // characters, not counting the terminator

    FixedString() { data_[0] = '\0'; }
    FixedString(std::string_view text) { Assign(text); }  // NOLINT: implicit on purpose

    // Returns false when the text was cut at the capacity (never inside a UTF-8 character: a
    // character that does not fit is left out whole).
    bool Assign(std::string_view text) {
        size_ = WholeCharacters(text, Capacity);
        std::copy_n(text.data(), size_, data_.data());
        data_[size_] = '\0';
        return size_ == text.size();
    }
    bool Append(std::string_view text) {
        const std::size_t room = Capacity - size_;
        const std::size_t n = WholeCharacters(text, room);
        std::copy_n(text.data(), n, data_.data() + size_);
        size_ += n;
        data_[size_] = '\0';
        return n == text.size();
    }
    bool Append(char c) { return Append(std::string_view(&c, 1)); }
    void Clear() { size_ = 0; data_[0] = '\0'; }
    void PopBack() { if (size_ > 0) data_[--size_] = '\0'; }
    void Truncate(std::size_t n) { if (n < size_) { size_ = n; data_[n] = '\0'; } }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    char back() const { return size_ ? data_[size_ - 1] : '\0'; }
    char operator[](std::size_t i) const { return i < size_ ? data_[i] : '\0'; }
    const char* c_str() const { return data_.data(); }
    std::string_view view() const { return {data_.data(), size_}; }
    operator std::string_view() const { return view(); }  // NOLINT
    std::string str() const { return std::string(view()); }

    friend bool operator==(const FixedString& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const FixedString& a, const FixedString& b) { return a.view() == b.view(); }

private:
    // How many bytes of `text` fit in `room` without cutting a character in two.
    static std::size_t WholeCharacters(std::string_view text, std::size_t room) {
        if (text.size() <= room) return text.size();
        std::size_t n = room;
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;  // a continuation byte
        return n;
    }

    std::array<char, Capacity + 1> data_{};
    std::size_t size_ = 0;
};

}  // namespace esc
