#include "engine/messages.h"

#include "engine/numbers.h"

#include <cstdint>

namespace haberes {

namespace {

// How a box is spoken of, and what it holds.
struct BoxTerms {
    std::string_view subject;  // the box as the user sees it
    bool feminine;             // of the subject, for "vacío" and "negativo"
    std::string_view unit;     // of the limits
    std::string_view example;  // a value to type, with "." as the separator
    bool decimals;             // whether a fraction makes sense
    std::int64_t min;
    std::int64_t max;
};

constexpr std::int64_t kMax = kMaxTypedMagnitude;

constexpr BoxTerms kBoxes[] = {
    {"\"Puntos básicos\"", false, "puntos", "1000", false, INT16_MIN, INT16_MAX},
    {"\"Jorn. completa\"", false, "puntos", "100", false, INT16_MIN, INT16_MAX},
    {"\"Prol. de jornada\"", false, "puntos", "100", false, INT16_MIN, INT16_MAX},
    {"\"Tarea diferenc.\"", false, "puntos", "100", true, -kMax, kMax},
    {"\"Comp básico\"", false, "puntos", "100", true, -kMax, kMax},
    {"\"Número de horas N. Medio\"", false, "horas", "12.5", true, -kMax, kMax},
    {"\"Número de horas N. Superior\"", false, "horas", "12.5", true, -kMax, kMax},
    {"\"Número de horas con código 06\"", false, "horas", "12.5", true, -kMax, kMax},
    {"\"Número de horas con incentivo\"", false, "horas", "12.5", true, -kMax, kMax},
    {"\"Número de horas con código 113\"", false, "horas", "12.5", true, -kMax, kMax},
    {"La cantidad de días de \"Inasistencias Just\"", true, "días", "2", true, -kMax, kMax},
    {"\"cantidad de km semanales\"", false, "km", "50", false, 0, INT16_MAX},
    {"La cantidad de \"Hijos\"", true, "hijos", "2", false, 0, 255},
    {"La cantidad de \"Hijos Diferenc\"", true, "hijos", "1", false, 0, 255},
};

const BoxTerms& terms(Field f) { return kBoxes[static_cast<int>(f)]; }

std::string withSeparator(std::string_view example, std::string_view sep)
{
    std::string out;
    for (char c : example) {
        if (c == '.')
            out.append(sep);
        else
            out.push_back(c);
    }
    return out;
}

// "la coma decimal", "el punto decimal", or the separator itself.
std::string separatorName(std::string_view sep)
{
    if (sep == ",")
        return "la coma decimal";
    if (sep == ".")
        return "el punto decimal";
    return "el separador decimal «" + std::string(sep) + "»";
}

std::string markName(std::string_view mark) { return mark == "," ? "una coma" : "un punto"; }
std::string marksName(std::string_view mark) { return mark == "," ? "comas" : "puntos"; }

std::string limit(std::int64_t value, const BoxTerms& box)
{
    return std::to_string(value) + " " + std::string(box.unit);
}

std::string problem(const BoxTerms& box, const NumberDiagnosis& d, std::string_view sep)
{
    switch (d.fault) {
    case NumberFault::empty:
        return std::string(box.feminine ? "está vacía" : "está vacío") + ": escribí un número, por ejemplo 0";
    case NumberFault::otherSeparator:
        return "tiene " + markName(d.mark) + ": usá " + separatorName(sep) + ": " + d.asDecimal;
    case NumberFault::decimalOrThousands:
        return "tiene " + markName(d.mark) + ": si es un decimal, usá " + separatorName(sep) + ": " + d.asDecimal +
               "; si son miles, escribí las cifras juntas: " + d.asWhole;
    case NumberFault::groupedDigits:
        return "separa los miles con " + marksName(d.mark) + ": escribí las cifras juntas: " + d.asWhole;
    case NumberFault::tooLarge:
        return "es demasiado grande: como máximo " + limit(box.max, box);
    case NumberFault::tooSmall:
        if (box.min == 0)
            return std::string(box.feminine ? "no puede ser negativa" : "no puede ser negativo") +
                   ": escribí 0 o más";
        return "es demasiado chico: como mínimo " + limit(box.min, box);
    case NumberFault::notNumber:
        break;
    }
    return std::string("no es un número: escribí solo cifras") +
           (box.decimals ? " y " + separatorName(sep) : std::string()) + ", por ejemplo " +
           withSeparator(box.example, sep);
}

} // namespace

std::string fieldMessage(Field field, std::string_view text, std::string_view sep)
{
    const BoxTerms& box = terms(field);
    return std::string(box.subject) + " " + problem(box, diagnoseNumberText(text, sep), sep);
}

std::string childCountMessage(Field field, int maxCount)
{
    const BoxTerms& box = terms(field);
    return std::string(box.subject) + " es demasiado grande: como máximo " + limit(maxCount, box);
}

std::string scaleValueMessage(std::string_view caption, std::string_view text, std::string_view sep,
                              std::string_view example, bool decimals)
{
    // A text that is no number never reaches the range test: no limits.
    const std::string subject = "\"" + std::string(caption) + "\"";
    const BoxTerms box{subject, false, "", example, decimals, 0, 0};
    return subject + " " + problem(box, diagnoseNumberText(text, sep), sep);
}

std::string paidKeyMessage(std::string_view key)
{
    return "«" + std::string(key) +
           "» no es un código de línea: usá el código como figura en el recibo, de una a cuatro cifras (por "
           "ejemplo 001), o «liquido» para el líquido a pagar";
}

std::string paidAmountMessage(std::string_view key, std::string_view text, std::string_view sep,
                              std::int64_t maxMagnitude)
{
    const std::string subject = key == "liquido" ? std::string("Lo cobrado como líquido")
                                                 : "Lo cobrado en la línea " + std::string(key);
    const BoxTerms box{subject, false, "pesos", "1234.56", true, -maxMagnitude, maxMagnitude};
    return subject + " " + problem(box, diagnoseNumberText(text, sep), sep);
}

std::string paidCodeMissingMessage()
{
    return "Falta el código de la línea agregada: escribilo como figura en el recibo, de una a cuatro cifras "
           "(por ejemplo 001)";
}

std::string paidCodeRepeatedMessage(std::string_view code)
{
    return "La línea " + std::string(code) + " ya está en la lista: escribí lo cobrado en ella una sola vez";
}

std::string scaleNotInstalledMessage(std::string_view name)
{
    return "La escala «" + std::string(name) + "» no está instalada";
}

std::string scaleNotInUseMessage(std::string_view named, std::string_view inUse)
{
    return "Los datos son de la escala «" + std::string(named) + "» y se calcula con la escala «" +
           std::string(inUse) + "»";
}

std::string scaleMissingNotice(std::string_view named, std::string_view inUse)
{
    return "Los datos se guardaron con la escala «" + std::string(named) +
           "», que no está instalada. Se usa la escala «" + std::string(inUse) + "».";
}

} // namespace haberes
