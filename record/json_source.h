#pragma once
// The JSON parser records are read with, behind one small interface:
// haberes-cli and the windows use simdjson (simdjson_source.h), a build
// without it nlohmann-json (nlohmann_source.h). Both read a text as one
// JSON object whose members are texts, numbers, true/false or null, and
// refuse the same texts but one kind: a number too large for a double, which
// simdjson keeps as one no key accepts and nlohmann-json refuses. Either way
// no record comes of it. Nested arrays and objects are checked and kept only
// as their kind, since no record key takes one.
#include <string>
#include <string_view>
#include <vector>

namespace haberes::record {

struct JsonValue {
    enum class Kind { text, number, boolean, null, array, object };
    Kind kind = Kind::null;
    std::string text;   // Kind::text, decoded
    double number = 0;  // Kind::number; NaN when too large for a double (simdjson)
    bool boolean = false;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

class JsonSource {
public:
    virtual ~JsonSource() = default;
    // Reads text as one JSON object, keeping its members in order
    // (duplicates included). On failure gives false and a Spanish
    // description with the byte position.
    virtual bool readObject(std::string_view text, std::vector<JsonMember>& members, std::string& error) = 0;
};

// Deeper nesting fits no record; both parsers refuse it.
inline constexpr int kMaxJsonDepth = 256;

// "JSON inválido: WHAT (posición N)", as both parsers say it.
std::string jsonError(std::string_view what, std::size_t position);

} // namespace haberes::record
