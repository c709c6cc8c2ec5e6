#pragma once
// The input lines of haberes-cli, read from a file descriptor in large
// blocks. A line is capped: a longer one is reported and skipped to its end
// without being held, so no input can exhaust memory.
#include <cstddef>
#include <memory>
#include <string_view>

namespace haberes::cli {

class LineReader {
public:
    // A record is a few hundred bytes; this is generous.
    static constexpr std::size_t kMaxLine = std::size_t(1) << 20;

    enum class Status { line, tooLong, end, error };

    explicit LineReader(int fd);

    // The next line, without its '\n', in `line` (valid until the next
    // call). A UTF-8 byte-order mark at the start of the input is skipped.
    // tooLong: a line of more than kMaxLine bytes, already skipped.
    Status next(std::string_view& line);

    // Whether next() can return without waiting: a whole line is buffered,
    // or the input has data (or its end) ready.
    bool lineWaiting() const;

    // The errno of a failed read, after Status::error.
    int error() const { return error_; }

private:
    bool fill();           // reads more after end_; false at the end or on error
    void compact();        // moves the pending bytes to the front
    bool skipRestOfLine(); // drops input up to and including the next '\n'
    void skipByteOrderMark();

    int fd_;
    std::unique_ptr<char[]> buf_;
    std::size_t begin_ = 0, end_ = 0;
    std::size_t scanned_ = 0; // bytes after begin_ known to hold no '\n'
    bool eof_ = false;
    bool started_ = false;
    int error_ = 0;
};

} // namespace haberes::cli
