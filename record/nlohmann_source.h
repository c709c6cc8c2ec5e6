#pragma once
// Records read with nlohmann-json, for builds without simdjson (the web
// page). It gives the members simdjson_source.h gives and refuses the same
// texts, and also a number too large for a double.
#include "record/json_source.h"

namespace haberes::record {

class NlohmannSource final : public JsonSource {
public:
    bool readObject(std::string_view text, std::vector<JsonMember>& members, std::string& error) override;
};

} // namespace haberes::record
