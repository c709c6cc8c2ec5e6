#include "record/nlohmann_source.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

namespace haberes::record {

namespace {

using Json = nlohmann::json;

// The parser's own message says what it found; the user is told in
// Spanish, in simdjson_source.cpp's words.
const char* describe(std::string_view message)
{
    const auto has = [&message](std::string_view part) { return message.find(part) != std::string_view::npos; };
    if (has("ill-formed UTF-8"))
        return "UTF-8 inválido";
    if (has("control character"))
        return "carácter de control en un texto";
    if (has("missing closing quote"))
        return "texto sin cerrar";
    if (has("invalid string"))
        return "escape mal formado en un texto";
    if (has("invalid number"))
        return "número mal formado";
    if (has("number overflow"))
        return "número fuera de rango";
    if (has("invalid literal"))
        return "valor desconocido";
    if (has("unexpected end of input"))
        return "objeto o lista sin cerrar";
    if (has("expected end of input"))
        return "texto de más después del objeto";
    return "estructura mal formada";
}

// Keeps the top object's members; what lies deeper is only walked.
class Members {
public:
    using number_integer_t = Json::number_integer_t;
    using number_unsigned_t = Json::number_unsigned_t;
    using number_float_t = Json::number_float_t;
    using string_t = Json::string_t;
    using binary_t = Json::binary_t;

    explicit Members(std::vector<JsonMember>& members) : members_(members) {}

    bool null() { return value({}); }
    bool boolean(bool b)
    {
        JsonValue v;
        v.kind = JsonValue::Kind::boolean;
        v.boolean = b;
        return value(std::move(v));
    }
    bool number_integer(number_integer_t n) { return number(static_cast<double>(n)); }
    bool number_unsigned(number_unsigned_t n) { return number(static_cast<double>(n)); }
    // Too large for a double is kept as one no key accepts.
    bool number_float(number_float_t n, const string_t&)
    {
        return number(std::isfinite(n) ? n : std::numeric_limits<double>::quiet_NaN());
    }
    bool string(string_t& s)
    {
        JsonValue v;
        v.kind = JsonValue::Kind::text;
        v.text = std::move(s);
        return value(std::move(v));
    }
    bool binary(binary_t&) { return false; } // not in JSON text
    bool start_object(std::size_t) { return open(JsonValue::Kind::object); }
    bool key(string_t& k)
    {
        if (depth_ == 1)
            key_ = std::move(k);
        else if (depth_ == 2)
            innerKey_ = std::move(k);
        return true;
    }
    bool end_object() { return --depth_, true; }
    bool start_array(std::size_t) { return open(JsonValue::Kind::array); }
    bool end_array() { return --depth_, true; }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& e)
    {
        what_ = describe(e.what());
        position_ = position > 0 ? position - 1 : 0;
        return false;
    }

    // Why the walk stopped, and where the parser stopped when it was the
    // parser that stopped it.
    const char* what() const { return what_; }
    std::size_t position() const { return position_; }

private:
    bool number(double n)
    {
        JsonValue v;
        v.kind = JsonValue::Kind::number;
        v.number = n;
        return value(std::move(v));
    }
    bool value(JsonValue v)
    {
        if (depth_ == 0)
            return notAnObject();
        if (depth_ == 1)
            members_.push_back({key_, std::move(v)});
        else if (std::vector<JsonMember>* inner = innerMembers())
            inner->push_back({innerKey_, std::move(v)});
        return true;
    }
    bool open(JsonValue::Kind kind)
    {
        if (depth_ == 0 && kind != JsonValue::Kind::object)
            return notAnObject();
        JsonValue v;
        v.kind = kind;
        if (depth_ == 1)
            members_.push_back({key_, std::move(v)});
        else if (std::vector<JsonMember>* inner = innerMembers())
            inner->push_back({innerKey_, std::move(v)});
        if (++depth_ > kMaxJsonDepth) {
            what_ = "anidamiento demasiado profundo";
            return false;
        }
        return true;
    }
    // Where a value one level down goes: the members of a member's object
    // (not of an array, whose elements have no key).
    std::vector<JsonMember>* innerMembers()
    {
        if (depth_ != 2 || members_.empty() || members_.back().value.kind != JsonValue::Kind::object)
            return nullptr;
        return &members_.back().value.members;
    }
    bool notAnObject()
    {
        what_ = "la línea debe ser un objeto JSON";
        return false;
    }

    std::vector<JsonMember>& members_;
    std::string key_;
    std::string innerKey_;
    int depth_ = 0;
    const char* what_ = nullptr;
    std::size_t position_ = std::string_view::npos; // where the parser stopped, when it did
};

} // namespace

bool NlohmannSource::readObject(std::string_view text, std::vector<JsonMember>& members, std::string& error)
{
    members.clear();
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        error = jsonError("la línea debe ser un objeto JSON", 0);
        return false;
    }
    Members walk(members);
    if (Json::sax_parse(text.data(), text.data() + text.size(), &walk)) {
        // The parser stops at a NUL byte as at the end of the text: what
        // follows was never read, and a NUL is no JSON anywhere.
        const std::size_t nul = text.find('\0');
        if (nul == std::string_view::npos)
            return true;
        members.clear();
        error = jsonError("texto de más después del objeto", nul);
        return false;
    }
    // A value refused by the walk itself is told at the object's start.
    std::size_t position = walk.position();
    if (position == std::string_view::npos)
        position = text.find_first_not_of(" \t\r\n");
    error = jsonError(walk.what() ? walk.what() : "estructura mal formada", std::min(position, text.size()));
    return false;
}

} // namespace haberes::record
