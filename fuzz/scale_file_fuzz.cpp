// A scale file: read whole or refused with a message; a scale that is read
// writes back to text that reads as the same scale, and prices payslips at
// the largest typed entries without leaving the money range.
#include "engine/calculate.h"
#include "scale/scale_file.h"

#include <cstdlib>

using namespace haberes;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// The largest entries a window accepts, under every mode.
void priceAtTheLimits(const PayScale& scale)
{
    for (int mode = 0; mode < 3; ++mode) {
        for (const char* magnitude : {"1000000", "-1000000"}) {
            PayEntries e;
            e.cargo = mode == 0;
            e.horasmedio = mode == 1;
            e.horassup = mode == 2;
            e.codigocargo = "600";
            e.puntosbasicos = e.punbas = e.jorcom = e.proljor = "32767";
            e.tardif = e.compbas = magnitude;
            e.numerohorasmed = e.numerohorassup = e.numhorascod06 = e.numhorasincen = e.numhorascod113 = magnitude;
            selectSeniority(e, 12, scale);
            e.zona = 4;
            e.dinasist = "2";
            e.transporte = e.hijos = e.hijosdisc = e.conyuge = 1;
            e.cantkm = "32767";
            e.cantidadhijos = "100";
            e.cantidadhijosdisc = "5";
            e.Iosper = e.Osplad = e.APORTEJUB = e.Ley4035 = e.ZUTEL = e.cajacomp = e.Seguro3011 = 1;
            const CalcResult r = calculate(e, NumberFormat{","}, scale);
            if (r.ok())
                check(r.payslip->totalliq == r.payslip->totalhab - r.payslip->totaldesc);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ScaleFileResult r = readScale(bytes, QStringLiteral("fuzz.json"));
    check(r.scale.has_value() == r.error.isEmpty());
    if (!r.scale) {
        check(r.error.startsWith(QStringLiteral("La escala «fuzz.json» no es válida: ")));
        return 0;
    }
    const std::string written = writeScale(*r.scale);
    const ScaleFileResult again = readScale(QByteArray::fromStdString(written), QStringLiteral("fuzz.json"));
    check(again.scale && *again.scale == *r.scale);
    check(writeScale(*again.scale) == written);
    priceAtTheLimits(*r.scale);
    return 0;
}
