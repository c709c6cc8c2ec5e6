#pragma once
// Standard output of haberes-cli in large blocks, with every failure to
// write kept: a lost result must never end as a success.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace haberes::cli {

class BlockWriter {
public:
    static constexpr std::size_t kBlock = 256 * 1024;

    explicit BlockWriter(int fd);

    // Lets write(char* at) put at most `bound` bytes after what is buffered;
    // write gives the end of what it put.
    template <class Write>
    void append(std::size_t bound, Write write)
    {
        char* at = room(bound);
        size_ = static_cast<std::size_t>(write(at) - data_.get());
    }
    void append(std::string_view text);

    // Writes the buffer once a block is full; false once any write failed.
    bool flushFull() { return size_ < kBlock || flush(); }
    // Writes everything buffered; false once any write has failed.
    bool flush();

    // The errno of the first failed write, 0 when none failed.
    int error() const { return error_; }

private:
    char* room(std::size_t bound);

    int fd_;
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0, capacity_ = 0;
    int error_ = 0;
};

// The Spanish message for a failed write of standard output.
std::string writeFailureMessage(int error);

} // namespace haberes::cli
