#include "cli/json_line.h"

#include <charconv>
#include <limits>

namespace haberes::cli {

namespace {

constexpr int kMaxDepth = 256;

class Reader {
public:
    explicit Reader(std::string_view text) : s_(text) {}

    bool object(std::vector<JsonMember>& members)
    {
        blanks();
        if (pos_ >= s_.size() || s_[pos_] != '{')
            return fail("la línea debe ser un objeto JSON");
        return objectMembers(&members, 0) && end();
    }

    const std::string& error() const { return error_; }

private:
    bool end()
    {
        blanks();
        return pos_ == s_.size() || fail("texto de más después del objeto");
    }

    bool fail(const char* what)
    {
        if (error_.empty())
            error_ = std::string("JSON inválido: ") + what + " (posición " + std::to_string(pos_) + ")";
        return false;
    }

    void blanks()
    {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\r' || s_[pos_] == '\n'))
            ++pos_;
    }

    bool take(char c)
    {
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool word(std::string_view w)
    {
        if (s_.substr(pos_, w.size()) != w)
            return false;
        pos_ += w.size();
        return true;
    }

    bool value(JsonValue& v, int depth)
    {
        if (depth > kMaxDepth)
            return fail("anidamiento demasiado profundo");
        blanks();
        if (pos_ >= s_.size())
            return fail("falta un valor");
        switch (s_[pos_]) {
        case '"':
            v.kind = JsonValue::Kind::text;
            return string(v.text);
        case 't':
            v.kind = JsonValue::Kind::boolean;
            v.boolean = true;
            return word("true") || fail("valor desconocido");
        case 'f':
            v.kind = JsonValue::Kind::boolean;
            return word("false") || fail("valor desconocido");
        case 'n':
            v.kind = JsonValue::Kind::null;
            return word("null") || fail("valor desconocido");
        case '[':
            v.kind = JsonValue::Kind::array;
            return array(depth);
        case '{':
            v.kind = JsonValue::Kind::object;
            return objectMembers(nullptr, depth);
        default:
            v.kind = JsonValue::Kind::number;
            return number(v.number);
        }
    }

    bool array(int depth)
    {
        ++pos_;
        blanks();
        if (take(']'))
            return true;
        for (;;) {
            JsonValue skipped;
            if (!value(skipped, depth + 1))
                return false;
            blanks();
            if (take(','))
                continue;
            return take(']') || fail("se esperaba ',' o ']'");
        }
    }

    // The members of the object at pos_ ('{'), kept in `members` or, for a
    // nested object, only checked.
    bool objectMembers(std::vector<JsonMember>* members, int depth)
    {
        ++pos_;
        blanks();
        if (take('}'))
            return true;
        for (;;) {
            blanks();
            JsonMember m;
            if (!string(m.key) || !(blanks(), take(':')) || !value(m.value, depth + 1))
                return fail("se esperaba un miembro \"clave\": valor");
            if (members)
                members->push_back(std::move(m));
            blanks();
            if (take(','))
                continue;
            return take('}') || fail("se esperaba ',' o '}'");
        }
    }

    bool number(double& out)
    {
        const std::size_t start = pos_;
        auto digits = [this] {
            const std::size_t from = pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
                ++pos_;
            return pos_ - from;
        };
        take('-');
        if (take('0')) {
            // no leading zeros
        } else if (digits() == 0) {
            return fail("número mal formado");
        }
        if (take('.') && digits() == 0)
            return fail("número mal formado");
        if (take('e') || take('E')) {
            if (!take('+'))
                take('-');
            if (digits() == 0)
                return fail("número mal formado");
        }
        auto [ptr, ec] = std::from_chars(s_.data() + start, s_.data() + pos_, out);
        if (ptr != s_.data() + pos_ || (ec != std::errc() && ec != std::errc::result_out_of_range))
            return fail("número mal formado");
        // A number too large or too small for a double fits no key.
        if (ec == std::errc::result_out_of_range)
            out = std::numeric_limits<double>::quiet_NaN();
        return true;
    }

    static void putUtf8(std::string& out, char32_t c)
    {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }

    bool hex4(char32_t& out)
    {
        if (s_.size() - pos_ < 4)
            return false;
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = s_[pos_++];
            out <<= 4;
            if (c >= '0' && c <= '9')
                out |= static_cast<char32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                out |= static_cast<char32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                out |= static_cast<char32_t>(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }

    // One UTF-8 sequence starting at pos_, copied when well formed.
    bool utf8(std::string& out)
    {
        const auto b0 = static_cast<unsigned char>(s_[pos_]);
        int len;
        char32_t c;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            len = 2;
            c = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            len = 3;
            c = b0 & 0x0F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            len = 4;
            c = b0 & 0x07;
        } else {
            return false;
        }
        if (s_.size() - pos_ < static_cast<std::size_t>(len))
            return false;
        for (int i = 1; i < len; ++i) {
            const auto b = static_cast<unsigned char>(s_[pos_ + static_cast<std::size_t>(i)]);
            if ((b & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (b & 0x3F);
        }
        // No overlong forms, no surrogates, nothing past U+10FFFF.
        if ((len == 3 && c < 0x800) || (len == 4 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        out.append(s_.substr(pos_, static_cast<std::size_t>(len)));
        pos_ += static_cast<std::size_t>(len);
        return true;
    }

    bool string(std::string& out)
    {
        if (!take('"'))
            return fail("se esperaba un texto entre comillas");
        for (;;) {
            // Copy the run of plain ASCII at once.
            const std::size_t run = pos_;
            while (pos_ < s_.size()) {
                const auto c = static_cast<unsigned char>(s_[pos_]);
                if (c < 0x20 || c == '"' || c == '\\' || c >= 0x80)
                    break;
                ++pos_;
            }
            out.append(s_.substr(run, pos_ - run));
            if (pos_ >= s_.size())
                return fail("texto sin cerrar");
            const auto c = static_cast<unsigned char>(s_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c >= 0x80) {
                if (!utf8(out))
                    return fail("UTF-8 inválido");
                continue;
            }
            if (c < 0x20)
                return fail("carácter de control en un texto");
            ++pos_; // backslash
            if (pos_ >= s_.size())
                return fail("texto sin cerrar");
            const char e = s_[pos_++];
            switch (e) {
            case '"': out.push_back('"'); break;
            case '\\': out.push_back('\\'); break;
            case '/': out.push_back('/'); break;
            case 'b': out.push_back('\b'); break;
            case 'f': out.push_back('\f'); break;
            case 'n': out.push_back('\n'); break;
            case 'r': out.push_back('\r'); break;
            case 't': out.push_back('\t'); break;
            case 'u': {
                char32_t cp;
                if (!hex4(cp))
                    return fail("escape \\u mal formado");
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    char32_t low;
                    if (!word("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                        return fail("par sustituto incompleto");
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                    return fail("par sustituto incompleto");
                }
                putUtf8(out, cp);
                break;
            }
            default:
                return fail("escape desconocido");
            }
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::string error_;
};

} // namespace

bool readJsonObject(std::string_view text, std::vector<JsonMember>& members, std::string& error)
{
    Reader reader(text);
    members.clear();
    if (reader.object(members))
        return true;
    error = reader.error();
    return false;
}

} // namespace haberes::cli
