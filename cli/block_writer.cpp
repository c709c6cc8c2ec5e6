#include "cli/block_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace haberes::cli {

BlockWriter::BlockWriter(int fd) : fd_(fd) {}

char* BlockWriter::room(std::size_t bound)
{
    if (capacity_ - size_ < bound) {
        const std::size_t capacity = std::max(2 * capacity_, std::max(kBlock, size_ + bound) + 64 * 1024);
        std::unique_ptr<char[]> grown(new char[capacity]);
        if (size_ != 0)
            std::memcpy(grown.get(), data_.get(), size_);
        data_ = std::move(grown);
        capacity_ = capacity;
    }
    return data_.get() + size_;
}

void BlockWriter::append(std::string_view text)
{
    std::memcpy(room(text.size()), text.data(), text.size());
    size_ += text.size();
}

bool BlockWriter::flush()
{
    std::size_t done = 0;
    while (error_ == 0 && done < size_) {
        const ssize_t n = ::write(fd_, data_.get() + done, size_ - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0)
            error_ = EIO; // nothing written and no reason given
        else if (errno != EINTR)
            error_ = errno;
    }
    size_ = 0;
    return error_ == 0;
}

std::string writeFailureMessage(int error)
{
    std::string why;
    switch (error) {
    case ENOSPC: why = "no queda espacio en el disco"; break;
    case EDQUOT: why = "se agotó la cuota de disco"; break;
    case EFBIG: why = "el archivo es demasiado grande"; break;
    case EIO: why = "error de entrada/salida"; break;
    case EPIPE: why = "se cerró la salida"; break;
    case EBADF: why = "la salida no está abierta para escritura"; break;
    default: why = "error del sistema " + std::to_string(error); break;
    }
    return "haberes-cli: no se pudieron escribir los resultados (" + why + ")";
}

} // namespace haberes::cli
