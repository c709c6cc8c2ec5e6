#pragma once
// One JSON Lines record: an object whose members are texts, numbers,
// true/false or null. Read with simdjson, which validates the UTF-8 and the
// whole structure; nested arrays and objects are checked and kept only as
// their kind, since no record key takes one.
#include <string>
#include <string_view>
#include <vector>

namespace haberes::cli {

struct JsonValue {
    enum class Kind { text, number, boolean, null, array, object };
    Kind kind = Kind::null;
    std::string text;   // Kind::text, decoded
    double number = 0;  // Kind::number; NaN when too large for a double
    bool boolean = false;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

// Reads text as one JSON object, keeping its members in order (duplicates
// included). On failure gives false and a Spanish description with the
// byte position.
bool readJsonObject(std::string_view text, std::vector<JsonMember>& members, std::string& error);

} // namespace haberes::cli
