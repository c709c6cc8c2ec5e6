#include "cli/line_reader.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace haberes::cli {

namespace {

constexpr std::size_t kRead = 256 * 1024;
// A whole line of the longest length and one more read fit after a compact.
constexpr std::size_t kCapacity = LineReader::kMaxLine + 1 + kRead;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

LineReader::LineReader(int fd) : fd_(fd), buf_(new char[kCapacity]) {}

void LineReader::compact()
{
    std::memmove(buf_.get(), buf_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
}

bool LineReader::fill()
{
    if (eof_ || error_ != 0)
        return false;
    if (kCapacity - end_ < kRead)
        compact();
    for (;;) {
        const ssize_t n = ::read(fd_, buf_.get() + end_, kCapacity - end_);
        if (n > 0) {
            end_ += static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            eof_ = true;
            return false;
        }
        if (errno != EINTR) {
            error_ = errno;
            return false;
        }
    }
}

bool LineReader::skipRestOfLine()
{
    for (;;) {
        begin_ = end_ = scanned_ = 0;
        if (!fill())
            return error_ == 0;
        if (const void* nl = std::memchr(buf_.get(), '\n', end_)) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(nl) - buf_.get()) + 1;
            return true;
        }
    }
}

void LineReader::skipByteOrderMark()
{
    // Wait for three bytes only while what came could still be the mark, so
    // that an interactive first line is never held back.
    auto pending = [this] { return std::string_view(buf_.get() + begin_, end_ - begin_); };
    while (pending().size() < kByteOrderMark.size() && kByteOrderMark.starts_with(pending()) && fill()) {
    }
    if (pending().starts_with(kByteOrderMark))
        begin_ += kByteOrderMark.size();
}

LineReader::Status LineReader::next(std::string_view& line)
{
    if (!started_) {
        started_ = true;
        skipByteOrderMark();
    }
    for (;;) {
        const char* start = buf_.get() + begin_;
        if (const void* found = std::memchr(start + scanned_, '\n', end_ - begin_ - scanned_)) {
            const auto nl = static_cast<const char*>(found);
            const auto length = static_cast<std::size_t>(nl - start);
            line = std::string_view(start, length);
            begin_ += length + 1;
            scanned_ = 0;
            return length > kMaxLine ? Status::tooLong : Status::line;
        }
        scanned_ = end_ - begin_;
        if (scanned_ > kMaxLine) {
            // Dropped as it comes: never more than a buffer of it is held.
            line = {};
            return skipRestOfLine() ? Status::tooLong : Status::error;
        }
        if (!fill()) {
            if (error_ != 0)
                return Status::error;
            if (begin_ == end_)
                return Status::end;
            // The last line may lack its '\n'.
            line = std::string_view(buf_.get() + begin_, end_ - begin_);
            begin_ = end_;
            scanned_ = 0;
            return Status::line;
        }
    }
}

bool LineReader::lineWaiting() const
{
    if (std::memchr(buf_.get() + begin_ + scanned_, '\n', end_ - begin_ - scanned_))
        return true;
    if (eof_ || error_ != 0)
        return true;
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

} // namespace haberes::cli
