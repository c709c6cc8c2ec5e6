#include "entry/entries_to_windows.h"

#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "entry/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace haberes {

namespace {

bool hasPositionData(const PayEntries& e)
{
    return e.cargo || !e.codigocargo.empty() || !e.cargox.empty() || !e.punbas.empty() || !e.proljor.empty() ||
           !e.jorcom.empty() || !e.tardif.empty() || !e.compbas.empty();
}

void setBox(QLineEdit* box, const std::string& text)
{
    box->setText(qtext(text));
}

// The check box first: ticking shows its detail box and unticking resets it
// to "0"; the text is typed afterwards.
void setTicked(QCheckBox* box, int value, QLineEdit* detail = nullptr, const std::string* text = nullptr)
{
    box->setChecked(value == 1);
    if (detail && text)
        setBox(detail, *text);
}

int selectedSeniority(const PayEntries& e)
{
    for (std::size_t i = 0; i < e.Option.size(); ++i)
        if (e.Option[i])
            return static_cast<int>(i) + 1;
    return 0;
}

} // namespace

void enterIntoWindows(EntryWindow& window, const PayEntries& e)
{
    const EntryControls& c = window.controls();

    // As after "Volver": no pay basis, echo and hour counts hidden.
    window.returnFromPayslip();

    if (PositionDialog* dialog = hasPositionData(e) ? window.ensurePositionDialog() : window.positionDialog()) {
        PositionTexts t;
        t.cargox = qtext(e.cargox);
        t.punbas = qtext(e.punbas);
        t.proljor = qtext(e.proljor);
        t.jorcom = qtext(e.jorcom);
        t.tardif = qtext(e.tardif);
        t.compbas = qtext(e.compbas);
        dialog->enterFields(qtext(e.codigocargo), t);
    }

    // Selecting "Cargo" shows the dialog and resets the hours; the hours
    // are typed after it.
    if (e.cargo)
        c.cargo->setChecked(true);
    else if (e.horasmedio)
        c.horasmedio->setChecked(true);
    else if (e.horassup)
        c.horassup->setChecked(true);
    setBox(c.numerohorasmed, e.numerohorasmed);
    setBox(c.numerohorassup, e.numerohorassup);
    setBox(c.numhorascod06, e.numhorascod06);
    setBox(c.numhorasincen, e.numhorasincen);
    setBox(c.numhorascod113, e.numhorascod113);

    setBox(c.docente, e.docente);
    setTicked(c.opincentivo, e.opincentivo);
    setTicked(c.transporte, e.transporte, c.cantkm, &e.cantkm);
    if (e.zona >= 0 && e.zona < c.zona->count()) {
        c.zona->setCurrentIndex(e.zona);
        c.zona->setEditText(c.zona->itemText(e.zona));
    } else {
        c.zona->setCurrentIndex(-1);
        c.zona->setEditText(QStringLiteral("Ubicación Escuela (Zona)"));
    }
    // "Inasistencias Just" shows the days box; days typed while it is not
    // ticked stay in the hidden box, as the record holds them.
    setTicked(c.inasist, e.dinasist != "0" ? 1 : 0);
    setBox(c.dinasist, e.dinasist);
    setTicked(c.hijos, e.hijos, c.cantidadhijos, &e.cantidadhijos);
    setTicked(c.hijosdisc, e.hijosdisc, c.cantidadhijosdisc, &e.cantidadhijosdisc);
    setTicked(c.conyuge, e.conyuge);

    setTicked(c.Iosper, e.Iosper);
    setTicked(c.Osplad, e.Osplad);
    setTicked(c.ZUTEL, e.ZUTEL);
    setTicked(c.APORTEJUB, e.APORTEJUB);
    setTicked(c.cajacomp, e.cajacomp);
    setTicked(c.Ley4035, e.Ley4035);
    setTicked(c.Seguro3011, e.Seguro3011);

    window.chooseSeniority(selectedSeniority(e));
}

} // namespace haberes
