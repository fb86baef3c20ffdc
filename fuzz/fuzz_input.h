#pragma once
// Reads typed values off a fuzzer's bytes; past the end everything is 0.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace tarvik::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    template <typename T>
    T Take() {
        T v{};
        const std::size_t n = std::min(sizeof(T), size_ - pos_);
        std::memcpy(&v, data_ + pos_, n);
        pos_ += n;
        return v;
    }
    std::string Rest() {
        std::string s(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace tarvik::fuzz
