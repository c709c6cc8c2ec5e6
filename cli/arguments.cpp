#include "cli/arguments.h"

namespace haberes::cli {

std::string argumentBytes(int argc, const char* const* argv, const QString& decoded)
{
    for (int i = argc - 1; i > 0; --i)
        if (QString::fromLocal8Bit(argv[i]) == decoded)
            return argv[i];
    return decoded.toStdString();
}

} // namespace haberes::cli
