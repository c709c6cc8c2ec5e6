#pragma once
// Records read with simdjson, which validates the UTF-8 and the whole
// structure at speed: haberes-cli's batches and the windows' entries files.
#include "record/json_source.h"

#include <memory>

namespace haberes::record {

class SimdjsonSource final : public JsonSource {
public:
    SimdjsonSource();
    ~SimdjsonSource() override;
    bool readObject(std::string_view text, std::vector<JsonMember>& members, std::string& error) override;

private:
    class Reader; // keeps its buffers from text to text
    std::unique_ptr<Reader> reader_;
};

} // namespace haberes::record
