#pragma once
// Command-line arguments as the bytes the shell passed. Qt decodes them as
// UTF-8, replacing what is not, so a file name that is not valid UTF-8 can
// only be opened through its original bytes.
#include <QString>
#include <string>

namespace haberes::cli {

// The bytes of the argument that decodes to `decoded` (the last one, when
// several do); its UTF-8 text when none does.
std::string argumentBytes(int argc, const char* const* argv, const QString& decoded);

} // namespace haberes::cli
