#include "record/json_source.h"

namespace haberes::record {

std::string jsonError(std::string_view what, std::size_t position)
{
    return "JSON inválido: " + std::string(what) + " (posición " + std::to_string(position) + ")";
}

} // namespace haberes::record
