#include "engine/pay_input.h"

namespace haberes {

void selectSeniority(PayEntries& entries, int option, const PayScale& scale)
{
    entries.Option.fill(false);
    if (option < 1 || option > 12) {
        entries.porantig = 0;
        entries.porcantig = "0 %";
        return;
    }
    entries.Option[static_cast<std::size_t>(option - 1)] = true;
    entries.porantig = scale.antiguedad[static_cast<std::size_t>(option - 1)];
    entries.porcantig = std::to_string(entries.porantig) + " %";
}

namespace {

struct FieldInfo {
    std::string_view name;
    std::string_view box;      // the box as the user sees it
    std::string_view mustHold; // what it must hold
};

constexpr std::string_view kInteger = "un número entero entre -32768 y 32767";
constexpr std::string_view kReal = "un número entre -1000000000 y 1000000000";
constexpr std::string_view kCount = "un número entero entre 0 y 255";

constexpr FieldInfo kFields[] = {
    {"punbas", "\"Puntos básicos\"", kInteger},
    {"jorcom", "\"Jorn. completa\"", kInteger},
    {"proljor", "\"Prol. de jornada\"", kInteger},
    {"tardif", "\"Tarea diferenc.\"", kReal},
    {"compbas", "\"Comp básico\"", kReal},
    {"numerohorasmed", "\"Número de horas N. Medio\"", kReal},
    {"numerohorassup", "\"Número de horas N. Superior\"", kReal},
    {"numhorascod06", "\"Número de horas con código 06\"", kReal},
    {"numhorasincen", "\"Número de horas con incentivo\"", kReal},
    {"numhorascod113", "\"Número de horas con código 113\"", kReal},
    {"dinasist", "La cantidad de días de \"Inasistencias Just\"", kReal},
    {"cantkm", "\"cantidad de km semanales\"", "un número entero entre 0 y 32767"},
    {"cantidadhijos", "\"¿Cuántos Hijos?\"", kCount},
    {"cantidadhijosdisc", "\"¿Cuántos Hijos?\" de \"Hijos Diferenc\"", kCount},
};

const FieldInfo& info(Field f) { return kFields[static_cast<int>(f)]; }

} // namespace

std::string_view fieldName(Field field) { return info(field).name; }

std::string fieldMessage(Field field)
{
    const FieldInfo& i = info(field);
    return std::string(i.box) + " debe ser " + std::string(i.mustHold);
}

std::string childCountMessage(Field field, int maxCount)
{
    return std::string(info(field).box) + " debe ser un número entero entre 0 y " + std::to_string(maxCount);
}

ReadResult readPayInput(const PayEntries& e, const NumberFormat& format)
{
    ReadResult r;
    PayInput& in = r.input;
    in.entries = &e;
    in.decimalSeparator = format.decimalSeparator;
    in.cargo = e.cargo;
    in.horasmedio = e.horasmedio;
    in.horassup = e.horassup;
    const std::string_view sep = format.decimalSeparator;
    const double maxReal = static_cast<double>(kMaxTypedMagnitude);

    auto fail = [&r](Field f) {
        if (!r.failed)
            r.failed = f;
    };
    auto integer = [&](const std::string& text, std::int16_t& out, Field f) {
        if (auto v = toInteger(text, sep))
            out = *v;
        else
            fail(f);
    };
    auto real = [&](const std::string& text, double& out, Field f) {
        if (auto v = toReal(text, sep, maxReal))
            out = *v;
        else
            fail(f);
    };
    auto count = [&](const std::string& text, std::uint8_t& out, Field f) {
        if (auto v = toByte(text, sep))
            out = *v;
        else
            fail(f);
    };

    if (e.cargo) {
        integer(e.punbas, in.punbas, Field::punbas);
        integer(e.jorcom, in.jorcom, Field::jorcom);
        integer(e.proljor, in.proljor, Field::proljor);
        if (auto v = toCurrency(e.tardif, sep, kMaxTypedMagnitude))
            in.tardif = *v;
        else
            fail(Field::tardif);
        real(e.compbas, in.compbas, Field::compbas);
    }
    if (e.horasmedio)
        real(e.numerohorasmed, in.numerohorasmed, Field::numerohorasmed);
    if (e.horassup)
        real(e.numerohorassup, in.numerohorassup, Field::numerohorassup);
    if (e.horasmedio || e.horassup) {
        real(e.numhorascod06, in.numhorascod06, Field::numhorascod06);
        real(e.numhorasincen, in.numhorasincen, Field::numhorasincen);
        real(e.numhorascod113, in.numhorascod113, Field::numhorascod113);
    }
    real(e.dinasist, in.dinasist, Field::dinasist);
    if (e.transporte == 1) {
        // A distance cannot be negative.
        if (auto v = toWhole(e.cantkm, sep, 0, INT16_MAX))
            in.cantkm = static_cast<std::int16_t>(*v);
        else
            fail(Field::cantkm);
    }
    if (e.hijos == 1)
        count(e.cantidadhijos, in.cantidadhijos, Field::cantidadhijos);
    if (e.hijosdisc == 1)
        count(e.cantidadhijosdisc, in.cantidadhijosdisc, Field::cantidadhijosdisc);
    return r;
}

} // namespace haberes
