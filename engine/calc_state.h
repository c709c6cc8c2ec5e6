#pragma once
// The named amounts one calculation passes from group to group. A fresh
// state has every amount and count at zero.
#include "engine/currency.h"

#include <cstdint>
#include <string_view>

namespace haberes {

struct CalcState {
    // Category block (position or hours).
    std::string_view cantidad; // the hours as typed, or "1"
    std::int16_t ptosbasicos = 0;
    std::int16_t ptosjorcom = 0;
    std::int16_t ptosproljor = 0;
    Currency ptostardif;
    Currency asigcat;
    Currency impcompbas;
    Currency impjorcom;
    Currency impproljor;
    Currency impjornada;
    Currency imptardif;
    // Seniority and zone.
    Currency impantig;
    std::uint8_t porzona = 0;
    Currency impzona;
    // Statutory additions and the minimum.
    Currency impadicart;
    Currency impproduct;
    Currency impincentivo;
    Currency impnegro;
    Currency impplus;
    Currency impreajuste;
    Currency baseremun;
    Currency sumaminimo;
    double aportesestimados = 0;
    Currency impminimo;
    // Transport and family.
    std::int16_t kmsemanales = 0;
    Currency imptransporte;
    std::uint8_t canthijos = 0;
    Currency imphijos;
    std::uint8_t canthijosdisc = 0;
    Currency imphijosdisc;
    Currency impfamnum;
    Currency impconyuge;
    // Deductions.
    Currency impiosper;
    Currency imposplad;
    Currency impjubilacion;
    Currency impley4035;
    Currency impzutel;
    Currency impcajacomp;
    Currency impseguro;
};

} // namespace haberes
