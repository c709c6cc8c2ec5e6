#pragma once
// A growable run of bytes that writers fill through a raw pointer. Each
// write first asks for room for itself, so no writer relies on a size
// worked out elsewhere.
#include <cstddef>
#include <memory>
#include <string_view>

namespace haberes::record {

class OutputBuffer {
public:
    // Where the next byte goes.
    char* end() { return data_.get() + size_; }
    // Room for n bytes at `at` (a pointer from end() or room(), not yet
    // committed); gives where to write them, which moves when the buffer
    // grows.
    char* room(char* at, std::size_t n)
    {
        return capacity_ - static_cast<std::size_t>(at - data_.get()) >= n ? at : grow(at, n);
    }
    // Everything before `at` is written.
    void commit(char* at) { size_ = static_cast<std::size_t>(at - data_.get()); }

    void append(std::string_view text);
    std::string_view view() const { return {data_.get(), size_}; }
    std::size_t size() const { return size_; }
    void clear() { size_ = 0; }

private:
    char* grow(char* at, std::size_t n);

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0, capacity_ = 0;
};

} // namespace haberes::record
