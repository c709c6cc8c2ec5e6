#include "record/output_buffer.h"

#include <algorithm>
#include <cstring>

namespace haberes::record {

char* OutputBuffer::grow(char* at, std::size_t n)
{
    const auto used = static_cast<std::size_t>(at - data_.get());
    const std::size_t capacity = std::max({2 * capacity_, used + n, std::size_t(64 * 1024)});
    std::unique_ptr<char[]> grown(new char[capacity]);
    if (used != 0)
        std::memcpy(grown.get(), data_.get(), used);
    data_ = std::move(grown);
    capacity_ = capacity;
    return data_.get() + used;
}

void OutputBuffer::append(std::string_view text)
{
    char* at = room(end(), text.size());
    std::memcpy(at, text.data(), text.size());
    commit(at + text.size());
}

} // namespace haberes::record
