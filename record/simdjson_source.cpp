#include "record/simdjson_source.h"

#include <simdjson.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <memory>

namespace haberes::record {

namespace {

namespace od = simdjson::ondemand;

const char* describe(simdjson::error_code e)
{
    switch (e) {
    case simdjson::EMPTY:
    case simdjson::INCORRECT_TYPE: return "la línea debe ser un objeto JSON";
    case simdjson::UTF8_ERROR: return "UTF-8 inválido";
    case simdjson::UNCLOSED_STRING: return "texto sin cerrar";
    case simdjson::UNESCAPED_CHARS: return "carácter de control en un texto";
    case simdjson::STRING_ERROR: return "escape mal formado en un texto";
    case simdjson::NUMBER_ERROR: return "número mal formado";
    case simdjson::T_ATOM_ERROR:
    case simdjson::F_ATOM_ERROR:
    case simdjson::N_ATOM_ERROR: return "valor desconocido";
    case simdjson::DEPTH_ERROR: return "anidamiento demasiado profundo";
    case simdjson::INCOMPLETE_ARRAY_OR_OBJECT: return "objeto o lista sin cerrar";
    case simdjson::TRAILING_CONTENT: return "texto de más después del objeto";
    default: return "estructura mal formada";
    }
}

// Where simdjson found the input unusable before walking it: the start of
// the first sequence that is not UTF-8 (simdjson judges every prefix that
// ends between two sequences), or the first control character inside a
// text, or the quote of a text left open.
std::size_t firstBadByte(std::string_view s, simdjson::error_code e)
{
    if (e == simdjson::UTF8_ERROR) {
        auto boundary = [&s](std::size_t k) {
            while (k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80)
                ++k;
            return k;
        };
        // [0, good) is valid, [0, bad) is not.
        std::size_t good = 0, bad = s.size();
        for (;;) {
            std::size_t mid = boundary(good + std::max<std::size_t>(1, (bad - good) / 2));
            if (mid >= bad)
                mid = boundary(good + 1);
            if (mid >= bad)
                break;
            (simdjson::validate_utf8(s.data(), mid) ? good : bad) = mid;
        }
        return good;
    }
    bool inText = false;
    std::size_t opened = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (!inText) {
            if (c == '"') {
                inText = true;
                opened = i;
            }
        } else if (c == '\\') {
            ++i;
        } else if (c == '"') {
            inText = false;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            return i;
        }
    }
    return inText ? opened : s.size();
}

// A number simdjson refuses although it is well formed is too large for a
// double: it is kept as one no key accepts.
bool wellFormedNumber(std::string_view t)
{
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < t.size() && t[i] == '-')
        ++i;
    if (i < t.size() && t[i] == '0')
        ++i;
    else if (digits() == 0)
        return false;
    if (i < t.size() && t[i] == '.' && (++i, digits() == 0))
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == t.size();
}

// Whether a well-formed number too far from 1 for a double is too large,
// rather than too small: the exponent of its first significant digit.
bool tooLarge(std::string_view t)
{
    std::size_t i = t[0] == '-' ? 1 : 0;
    long long position = 0; // of the first significant digit, 1 for units
    bool found = false, afterDot = false;
    long long integerDigits = 0, zerosAfterDot = 0;
    for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
        if (t[i] == '.') {
            afterDot = true;
        } else if (!found && t[i] == '0') {
            zerosAfterDot += afterDot;
        } else if (!found) {
            found = true;
            integerDigits = afterDot ? 0 : 1;
        } else if (!afterDot) {
            ++integerDigits;
        }
    }
    if (!found)
        return false; // zero
    position = integerDigits > 0 ? integerDigits : -zerosAfterDot;
    long long exponent = 0;
    bool negative = false;
    if (i < t.size()) {
        ++i;
        if (t[i] == '+' || t[i] == '-')
            negative = t[i++] == '-';
        for (; i < t.size() && exponent < 100000; ++i)
            exponent = exponent * 10 + (t[i] - '0');
    }
    return position + (negative ? -exponent : exponent) > 0;
}

// simdjson 3.0.1 misreads numbers with more than 19 significant digits
// (0.777…7 with 24 sevens came back as 7.7e-06): those are read again by
// the standard library, which gives the nearest double. A number too
// large for a double becomes NaN, kept as one no key accepts; one too small
// becomes 0.
double longNumber(std::string_view t)
{
    double v = 0;
    const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec == std::errc::result_out_of_range)
        return tooLarge(t) ? std::numeric_limits<double>::quiet_NaN() : (t[0] == '-' ? -0.0 : 0.0);
    return v;
}

} // namespace

class SimdjsonSource::Reader {
public:
    bool read(std::string_view text, std::vector<JsonMember>& members, std::string& error)
    {
        members.clear();
        // simdjson reads whole blocks: the text needs padding after it.
        const std::size_t capacity = text.size() + simdjson::SIMDJSON_PADDING;
        if (capacity > capacity_) {
            buffer_.reset(new char[capacity]);
            capacity_ = capacity;
        }
        std::memcpy(buffer_.get(), text.data(), text.size());
        std::memset(buffer_.get() + text.size(), ' ', simdjson::SIMDJSON_PADDING);
        text_ = std::string_view(buffer_.get(), text.size());

        od::document doc;
        if (auto e = parser_.iterate(buffer_.get(), text.size(), capacity).get(doc))
            return fail(error, e, firstBadByte(text_, e));
        od::object object;
        if (auto e = doc.get_object().get(object)) {
            // simdjson matches the first '{' with the last byte that is
            // not blank before reading on.
            if (e == simdjson::TAPE_ERROR || e == simdjson::INCOMPLETE_ARRAY_OR_OBJECT)
                return fail(error, "se esperaba '}' al final de la línea", lastNonBlank(text_));
            return fail(error, e, where(doc));
        }
        if (auto e = members_(object, &members, 0))
            return fail(error, e, where(doc));
        // Past the object only the end may follow.
        const char* after = nullptr;
        if (doc.current_location().get(after) != simdjson::OUT_OF_BOUNDS)
            return fail(error, simdjson::TRAILING_CONTENT, where(doc));
        return true;
    }

private:
    std::size_t where(od::document& doc)
    {
        const char* at = nullptr;
        if (doc.current_location().get(at) || at < text_.data() || at > text_.data() + text_.size())
            return text_.size();
        return static_cast<std::size_t>(at - text_.data());
    }

    static bool fail(std::string& error, const char* what, std::size_t position)
    {
        error = jsonError(what, position);
        return false;
    }
    static bool fail(std::string& error, simdjson::error_code e, std::size_t position)
    {
        return fail(error, describe(e), position);
    }

    static std::size_t lastNonBlank(std::string_view s)
    {
        const std::size_t at = s.find_last_not_of(" \t\r\n");
        return at == std::string_view::npos ? 0 : at;
    }

    // The members of an object, kept in `members` or, for a nested object,
    // only checked.
    simdjson::error_code members_(od::object& object, std::vector<JsonMember>* members, int depth)
    {
        for (auto field : object) {
            std::string_view key;
            if (auto e = field.unescaped_key().get(key))
                return e;
            // Read in place: a record's members are many and short.
            if (members) {
                JsonMember& member = members->emplace_back();
                member.key.assign(key);
                if (auto e = this->value(field.value(), member.value, depth + 1))
                    return e;
                continue;
            }
            JsonValue value;
            if (auto e = this->value(field.value(), value, depth + 1))
                return e;
        }
        return simdjson::SUCCESS;
    }

    // simdjson guesses a value's type from its first byte; a value that
    // then is not of that type ("tru", "-") is a malformed value, not a
    // wrong type.
    simdjson::error_code value(simdjson::simdjson_result<od::value> in, JsonValue& out, int depth)
    {
        const simdjson::error_code e = typedValue(in, out, depth);
        if (e != simdjson::INCORRECT_TYPE)
            return e;
        return out.kind == JsonValue::Kind::number ? simdjson::NUMBER_ERROR : simdjson::T_ATOM_ERROR;
    }

    simdjson::error_code typedValue(simdjson::simdjson_result<od::value> in, JsonValue& out, int depth)
    {
        if (depth > kMaxJsonDepth)
            return simdjson::DEPTH_ERROR;
        od::value v;
        od::json_type type;
        if (auto e = in.get(v))
            return e;
        if (auto e = v.type().get(type))
            return e;
        switch (type) {
        case od::json_type::string: {
            out.kind = JsonValue::Kind::text;
            std::string_view s;
            if (auto e = v.get_string().get(s))
                return e;
            out.text.assign(s);
            return simdjson::SUCCESS;
        }
        case od::json_type::number: {
            out.kind = JsonValue::Kind::number;
            std::string_view token = v.raw_json_token();
            while (!token.empty() && (token.back() == ' ' || token.back() == '\t' || token.back() == '\r' ||
                                      token.back() == '\n'))
                token.remove_suffix(1);
            const auto e = v.get_double().get(out.number);
            if ((e == simdjson::SUCCESS || e == simdjson::NUMBER_ERROR) && token.size() > 19 &&
                wellFormedNumber(token)) {
                out.number = longNumber(token);
                return simdjson::SUCCESS;
            }
            if (e == simdjson::NUMBER_ERROR && wellFormedNumber(token)) {
                out.number = std::numeric_limits<double>::quiet_NaN();
                return simdjson::SUCCESS;
            }
            return e;
        }
        case od::json_type::boolean:
            out.kind = JsonValue::Kind::boolean;
            return v.get_bool().get(out.boolean);
        case od::json_type::null: {
            out.kind = JsonValue::Kind::null;
            bool isNull = false;
            if (auto e = v.is_null().get(isNull))
                return e;
            return isNull ? simdjson::SUCCESS : simdjson::N_ATOM_ERROR;
        }
        case od::json_type::array: {
            out.kind = JsonValue::Kind::array;
            od::array array;
            if (auto e = v.get_array().get(array))
                return e;
            for (auto element : array) {
                JsonValue skipped;
                if (auto e = value(element, skipped, depth + 1))
                    return e;
            }
            return simdjson::SUCCESS;
        }
        case od::json_type::object: {
            out.kind = JsonValue::Kind::object;
            od::object object;
            if (auto e = v.get_object().get(object))
                return e;
            // A member's object keeps its members; deeper ones are only checked.
            return members_(object, depth == 1 ? &out.members : nullptr, depth);
        }
        }
        return simdjson::TAPE_ERROR;
    }

    od::parser parser_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::string_view text_;
};

SimdjsonSource::SimdjsonSource() : reader_(std::make_unique<Reader>()) {}

SimdjsonSource::~SimdjsonSource() = default;

bool SimdjsonSource::readObject(std::string_view text, std::vector<JsonMember>& members, std::string& error)
{
    return reader_->read(text, members, error);
}

} // namespace haberes::record
