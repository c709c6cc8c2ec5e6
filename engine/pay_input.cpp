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

const std::string& fieldText(const PayEntries& e, Field field)
{
    switch (field) {
    case Field::punbas: return e.punbas;
    case Field::jorcom: return e.jorcom;
    case Field::proljor: return e.proljor;
    case Field::tardif: return e.tardif;
    case Field::compbas: return e.compbas;
    case Field::numerohorasmed: return e.numerohorasmed;
    case Field::numerohorassup: return e.numerohorassup;
    case Field::numhorascod06: return e.numhorascod06;
    case Field::numhorasincen: return e.numhorasincen;
    case Field::numhorascod113: return e.numhorascod113;
    case Field::dinasist: return e.dinasist;
    case Field::cantkm: return e.cantkm;
    case Field::cantidadhijos: return e.cantidadhijos;
    case Field::cantidadhijosdisc: return e.cantidadhijosdisc;
    }
    return e.docente; // not reached: every field is listed
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
