#pragma once
// Standard output of haberes-cli in large blocks, with every failure to
// write kept: a lost result must never end as a success.
#include "record/output_buffer.h"

#include <cstddef>
#include <string>

namespace haberes::cli {

class BlockWriter {
public:
    static constexpr std::size_t kBlock = 256 * 1024;

    explicit BlockWriter(int fd) : fd_(fd) {}

    // Results are written here.
    record::OutputBuffer& buffer() { return buf_; }

    // Writes the buffer once a block is full; false once any write failed.
    bool flushFull() { return buf_.size() < kBlock || flush(); }
    // Writes everything buffered; false once any write has failed.
    bool flush();

    // The errno of the first failed write, 0 when none failed.
    int error() const { return error_; }

private:
    int fd_;
    record::OutputBuffer buf_;
    int error_ = 0;
};

// The Spanish message for a failed write of standard output.
std::string writeFailureMessage(int error);

} // namespace haberes::cli
