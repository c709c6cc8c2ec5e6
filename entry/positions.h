#pragma once
// The built-in table of positions: 311 rows of seven texts each, never
// edited at run time.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace haberes {

struct PositionRecord {
    std::string_view codigocargo;   // three digits, unique
    std::string_view cargox;        // name; not unique
    std::string_view puntosbasicos; // basic points
    std::string_view proljornada;   // extended-day points
    std::string_view jorcompleta;   // full-day points
    std::string_view tareadif;      // differentiated-work points
    std::string_view compbasico;    // basic-complement points
};

inline constexpr std::size_t kPositionCount = 311;
extern const std::array<PositionRecord, kPositionCount> kPositions;

// The row whose code is the whole text, or none.
std::optional<std::size_t> findPositionByCode(std::string_view code);

} // namespace haberes
