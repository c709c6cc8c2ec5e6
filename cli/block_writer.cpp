#include "cli/block_writer.h"

#include <cerrno>
#include <unistd.h>

namespace haberes::cli {

bool BlockWriter::flush()
{
    const std::string_view data = buf_.view();
    std::size_t done = 0;
    while (error_ == 0 && done < data.size()) {
        const ssize_t n = ::write(fd_, data.data() + done, data.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0)
            error_ = EIO; // nothing written and no reason given
        else if (errno != EINTR)
            error_ = errno;
    }
    buf_.clear();
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
