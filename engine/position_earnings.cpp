// Category pay of a position: its points priced at the point values.
#include "engine/groups.h"

namespace haberes {

void positionEarnings(const PayInput& in, const PayScale& scale, CalcState& st, Payslip& slip)
{
    const PayEntries& e = *in.entries;
    st.cantidad = "1";
    st.ptosbasicos = in.punbas;

    PayslipHeader& h = slip.header;
    h.caption = "Código del cargo";
    h.numcargo = e.codigocargo;
    h.punbasicos = e.puntosbasicos;
    h.carsel = e.cargox;

    st.asigcat = Currency::fromDouble(st.ptosbasicos * scale.valorPunto);
    st.ptosjorcom = in.jorcom;
    st.ptosproljor = in.proljor;
    st.ptostardif = in.tardif;
    st.impcompbas = Currency::fromDouble(in.compbas * scale.valorPunto);
    st.impjorcom = Currency::fromDouble(st.ptosjorcom * scale.valorPuntoJornada);
    st.impproljor = Currency::fromDouble(st.ptosproljor * scale.valorPuntoJornada);
    st.impjornada = st.impjorcom + st.impproljor;
    st.imptardif = Currency::fromDouble(st.ptostardif.toDouble() * scale.valorPunto);

    h.positionPointsShown = true;
    h.compbas = e.compbas;
    h.tardif = e.tardif;
    h.jorcom = e.jorcom;
    h.proljor = e.proljor;

    const Explained x{in, scale, st};
    slip.append("001", "Asign. de la categoría", st.cantidad, st.asigcat, Column::earnings);
    explainLine(slip, x, &Explained::categoryPosition);
    if (in.compbas > 0) {
        slip.append("002", "Comp. de Básico", "", st.impcompbas, Column::earnings);
        explainLine(slip, x, &Explained::complement);
    } else {
        st.impcompbas = Currency();
    }
    if (st.ptosjorcom > 0) {
        slip.append("052", "Jornada completa", "", st.impjornada, Column::earnings);
        explainLine(slip, x, &Explained::fullDay);
    }
    if (st.ptosproljor > 0) {
        slip.append("052", "Prol. de Jornada", "", st.impjornada, Column::earnings);
        explainLine(slip, x, &Explained::fullDay);
    }
    // Without a 052 line its amount is not paid: negative points typed into
    // the dialog must not lower the totals behind the teacher's back.
    if (st.ptosjorcom <= 0 && st.ptosproljor <= 0)
        st.impjornada = Currency();
    if (st.ptostardif > Currency()) {
        slip.append("016", "Tarea diferenciada", "", st.imptardif, Column::earnings);
        explainLine(slip, x, &Explained::differentiated);
    } else {
        st.imptardif = Currency();
    }
}

} // namespace haberes
