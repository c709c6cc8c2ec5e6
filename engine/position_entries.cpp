#include "engine/position_entries.h"

namespace haberes {

void choosePositionByCode(PayEntries& e, std::string_view code, const PayScale& scale)
{
    e.codigocargo = code;
    if (auto row = scale.cargos.find(code)) {
        const PositionRecord& p = scale.cargos[*row];
        e.cargox = p.cargox;
        e.puntosbasicos = p.puntosbasicos;
        e.punbas = p.puntosbasicos;
        e.proljor = p.proljornada;
        e.jorcom = p.jorcompleta;
        e.tardif = p.tareadif;
        e.compbas = p.compbasico;
    } else {
        e.cargox = e.puntosbasicos = e.punbas = e.proljor = e.jorcom = e.tardif = e.compbas = std::string();
    }
}

} // namespace haberes
