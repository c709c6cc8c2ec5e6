// The July 2010 scale: every figure the groups of concepts price with.
#include "engine/builtin_scale.h"

namespace haberes {

namespace {

Currency money(std::int64_t ticks) { return Currency::fromTicks(ticks); }
Currency pesos(std::int64_t whole) { return Currency::pesos(whole); }

PayScale july2010()
{
    PayScale s;
    s.nombre = "Desde Julio de 2.010";
    s.tituloRecibo = "Haberes desde Julio 2.010";
    s.vigenciaAnio = 2010;
    s.vigenciaMes = 7;

    s.valorPunto = 0.8947;
    s.valorPuntoJornada = 1.094;

    s.horasMedio = {64.73, 10.81, 30, money(3243000), 11, pesos(330), 30, 6.6666, pesos(200), 30};
    s.horasSuperior = {86.9, 10.81, 15, money(1621500), 13.75, pesos(330), 24, 8.3333, pesos(200), 24};

    s.antiguedad = {0, 10, 15, 30, 40, 50, 60, 70, 80, 100, 110, 120};
    s.zona = {0, 20, 40, 80, 120};

    s.jornadaCompleta006 = 620;
    s.topesBandaA = {971, 1169, 1400, 1942, 2220};
    const int tableA[kSeniorityRows][kBandsA] = {
        {409, 99, 0, 0, 0, 0},         {431, 112, 0, 0, 0, 0},        {555, 224, 298, 240, 224, 0},
        {623, 242, 298, 240, 224, 0},  {646, 261, 311, 248, 224, 174}, {565, 286, 311, 248, 224, 174},
        {578, 323, 323, 252, 236, 199}, {553, 354, 453, 286, 236, 199}, {664, 428, 491, 422, 348, 224},
        {826, 540, 509, 410, 385, 224}, {925, 615, 534, 410, 397, 236}, {956, 633, 596, 416, 410, 236},
    };
    s.topesBandaB = {971};
    const int tableB[kSeniorityRows][kBandsB] = {
        {99, 99},   {112, 112}, {273, 273}, {472, 435}, {546, 497}, {590, 540},
        {633, 559}, {652, 578}, {689, 590}, {733, 609}, {764, 627}, {770, 633},
    };
    for (std::size_t row = 0; row < kSeniorityRows; ++row) {
        for (std::size_t band = 0; band < kBandsA; ++band)
            s.tablaA[row][band] = pesos(tableA[row][band]);
        for (std::size_t band = 0; band < kBandsB; ++band)
            s.tablaB[row][band] = pesos(tableB[row][band]);
    }

    s.parteProduct = 0.07;
    s.cantidadProduct = "0.7";

    s.jornadaCompletaNacion = 600;
    s.incentivoCargo = pesos(165);
    s.incentivoCargoJornada = pesos(330);
    s.negroCargo = pesos(100);
    s.negroCargoJornada = pesos(200);

    s.partePlus = 0.07;
    s.cantidadPlus = "7.0";
    s.partesReajuste = {0.25, 0.5, 0.75};

    s.minimo = pesos(1490);
    s.puntosMinimoDesde = 900;
    s.puntosMinimoHasta = 1300;
    s.tasaAportesMinimo = 0.196;
    s.factorZonaMinimo = 1.07;

    s.tasaPruebaKm = 0.13472;
    s.topePruebaKm = 161.8;
    s.tasaKm = 0.195344;
    s.topeKm = money(2346100);

    s.topesHijo = {pesos(2400), pesos(3600)};
    s.montosHijo = {180, 136, 91};
    s.montoHijoDiferenciado = 720;
    s.hijosFamiliaNumerosa = 3;
    s.familiaNumerosa = pesos(3);
    s.conyuge = pesos(15);

    s.iosper = {0.03, "3 %"};
    s.osplad = {0.03, "3 %"};
    s.jubilacion = {0.16, "16 %"};
    s.ley4035 = {0.006, "0,6 %"};
    s.zutel = {0.02, "2 %"};
    s.cajaComp = {0.045, "4,5 %"};
    s.seguro = {0.02, "2 %"};

    s.cargos = PositionTable(builtinPositions());
    return s;
}

} // namespace

const PayScale& builtinScale()
{
    static const PayScale scale = july2010();
    return scale;
}

} // namespace haberes
