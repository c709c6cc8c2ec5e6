#include "entry/entries_from_windows.h"

#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "entry/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace haberes {

namespace {

int ticked(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

std::string text(const QLineEdit* box) { return utf8(box->text()); }

// The chosen entry of the zone list, or -1. Text typed over an entry no
// longer chooses it.
int chosenZone(const QComboBox* zona)
{
    const int index = zona->currentIndex();
    return index >= 0 && zona->itemText(index) == zona->currentText() ? index : -1;
}

} // namespace

PayEntries entriesFromWindows(const EntryWindow& window)
{
    const EntryControls& c = window.controls();
    PayEntries e;
    e.docente = text(c.docente);
    e.cargo = c.cargo->isChecked();
    e.horasmedio = c.horasmedio->isChecked();
    e.horassup = c.horassup->isChecked();

    if (const PositionDialog* dialog = window.positionDialog()) {
        const PositionFields f = dialog->fields();
        e.codigocargo = utf8(f.codigocargo);
        e.cargox = utf8(f.texts.cargox);
        e.puntosbasicos = utf8(f.puntosbasicos);
        e.punbas = utf8(f.texts.punbas);
        e.jorcom = utf8(f.texts.jorcom);
        e.proljor = utf8(f.texts.proljor);
        e.tardif = utf8(f.texts.tardif);
        e.compbas = utf8(f.texts.compbas);
    }

    e.numerohorasmed = text(c.numerohorasmed);
    e.numerohorassup = text(c.numerohorassup);
    e.numhorascod06 = text(c.numhorascod06);
    e.numhorasincen = text(c.numhorasincen);
    e.numhorascod113 = text(c.numhorascod113);

    for (std::size_t i = 0; i < e.Option.size(); ++i)
        e.Option[i] = c.Option[i]->isChecked();
    e.porantig = window.porantig();
    e.porcantig = text(c.porcantig);
    e.zona = chosenZone(c.zona);

    e.opincentivo = ticked(c.opincentivo);
    e.dinasist = text(c.dinasist);
    e.transporte = ticked(c.transporte);
    e.cantkm = text(c.cantkm);
    e.hijos = ticked(c.hijos);
    e.cantidadhijos = text(c.cantidadhijos);
    e.hijosdisc = ticked(c.hijosdisc);
    e.cantidadhijosdisc = text(c.cantidadhijosdisc);
    e.conyuge = ticked(c.conyuge);

    e.Iosper = ticked(c.Iosper);
    e.Osplad = ticked(c.Osplad);
    e.APORTEJUB = ticked(c.APORTEJUB);
    e.Ley4035 = ticked(c.Ley4035);
    e.ZUTEL = ticked(c.ZUTEL);
    e.cajacomp = ticked(c.cajacomp);
    e.Seguro3011 = ticked(c.Seguro3011);
    return e;
}

} // namespace haberes
