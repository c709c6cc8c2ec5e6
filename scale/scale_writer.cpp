// Writing a scale in the file format, keys in the order docs/escala.md
// lists them.
#include "scale/scale_file.h"

#include "common/json_text.h"

#include <charconv>
#include <cstdio>

namespace haberes {

namespace {

class Writer {
public:
    std::string out;

    // The shortest text that reads back to the same double.
    void num(double v)
    {
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        out.append(buf, r.ptr);
    }
    void num(int v) { out += std::to_string(v); }
    // Amounts are exact decimals with up to four places.
    void num(Currency v) { out += formatAmount(v, "."); }

    void str(std::string_view s) { appendJsonText(out, s); }

    template <typename T>
    void list(const T& values)
    {
        out += '[';
        bool first = true;
        for (const auto& v : values) {
            if (!first)
                out += ", ";
            first = false;
            num(v);
        }
        out += ']';
    }

    // "key": at the given indent, after a comma unless first.
    void key(int indent, std::string_view k, bool& first)
    {
        out += first ? "\n" : ",\n";
        first = false;
        out.append(static_cast<std::size_t>(indent), ' ');
        str(k);
        out += ": ";
    }
    void close(int indent, char c)
    {
        out += '\n';
        out.append(static_cast<std::size_t>(indent), ' ');
        out += c;
    }
};

// Small objects on one line: {"a": 1, "b": 2}.
struct Inline {
    Writer& w;
    bool first = true;
    explicit Inline(Writer& writer) : w(writer) { w.out += '{'; }
    Inline& key(std::string_view k)
    {
        if (!first)
            w.out += ", ";
        first = false;
        w.str(k);
        w.out += ": ";
        return *this;
    }
    template <typename T>
    Inline& num(std::string_view k, T v)
    {
        key(k);
        w.num(v);
        return *this;
    }
    Inline& str(std::string_view k, std::string_view v)
    {
        key(k);
        w.str(v);
        return *this;
    }
    void end() { w.out += '}'; }
};

void hours(Writer& w, const HoursRates& h)
{
    bool first = true;
    w.out += '{';
    w.key(4, "puntos_por_hora", first);
    w.num(h.puntosPorHora);
    w.key(4, "adicional_006", first);
    Inline(w).num("por_hora", h.valorHora006).num("horas_tope", h.horasTope006).num("tope", h.tope006).end();
    w.key(4, "incentivo_084", first);
    Inline(w).num("por_hora", h.valorHora084).num("tope", h.tope084).num("horas_mostradas", h.horasMostradas084).end();
    w.key(4, "negro_113", first);
    Inline(w).num("por_hora", h.valorHora113).num("tope", h.tope113).num("horas_mostradas", h.horasMostradas113).end();
    w.close(2, '}');
}

template <std::size_t Bands>
void table(Writer& w, const std::array<int, Bands - 1>& tops,
           const std::array<std::array<Currency, Bands>, kSeniorityRows>& amounts)
{
    bool first = true;
    w.out += '{';
    w.key(6, "topes_bandas", first);
    w.list(tops);
    w.key(6, "montos", first);
    w.out += '[';
    for (std::size_t row = 0; row < amounts.size(); ++row) {
        w.out += row ? ",\n        " : "\n        ";
        w.list(amounts[row]);
    }
    w.close(6, ']');
    w.close(4, '}');
}

void deduction(Writer& w, const DeductionRate& d) { Inline(w).num("tasa", d.tasa).str("cantidad", d.cantidad).end(); }

void position(Writer& w, const PositionRecord& p)
{
    Inline(w)
        .str("codigocargo", p.codigocargo)
        .str("cargox", p.cargox)
        .str("puntosbasicos", p.puntosbasicos)
        .str("proljornada", p.proljornada)
        .str("jorcompleta", p.jorcompleta)
        .str("tareadif", p.tareadif)
        .str("compbasico", p.compbasico)
        .end();
}

std::string month(int year, int m)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d", year, m);
    return buf;
}

} // namespace

std::string writeScale(const PayScale& s)
{
    Writer w;
    bool first = true;
    w.out += '{';
    w.key(2, "formato", first);
    w.num(kScaleFormat);
    w.key(2, "nombre", first);
    w.str(s.nombre);
    w.key(2, "titulo_recibo", first);
    w.str(s.tituloRecibo);
    w.key(2, "vigencia", first);
    w.str(month(s.vigenciaAnio, s.vigenciaMes));
    w.key(2, "valor_punto", first);
    w.num(s.valorPunto);
    w.key(2, "valor_punto_jornada", first);
    w.num(s.valorPuntoJornada);
    w.key(2, "horas_medio", first);
    hours(w, s.horasMedio);
    w.key(2, "horas_superior", first);
    hours(w, s.horasSuperior);
    w.key(2, "antiguedad", first);
    w.list(s.antiguedad);
    w.key(2, "zona", first);
    w.list(s.zona);

    w.key(2, "adicional_006_cargo", first);
    {
        bool inner = true;
        w.out += '{';
        w.key(4, "jornada_completa_desde", inner);
        w.num(s.jornadaCompleta006);
        w.key(4, "tabla_a", inner);
        table<kBandsA>(w, s.topesBandaA, s.tablaA);
        w.key(4, "tabla_b", inner);
        table<kBandsB>(w, s.topesBandaB, s.tablaB);
        w.close(2, '}');
    }
    w.key(2, "product_014", first);
    Inline(w).num("parte", s.parteProduct).str("cantidad", s.cantidadProduct).end();
    w.key(2, "nacion_cargo", first);
    Inline(w)
        .num("jornada_completa_desde", s.jornadaCompletaNacion)
        .num("incentivo_084", s.incentivoCargo)
        .num("incentivo_084_jornada", s.incentivoCargoJornada)
        .num("negro_113", s.negroCargo)
        .num("negro_113_jornada", s.negroCargoJornada)
        .end();
    w.key(2, "plus_188", first);
    Inline(w).num("parte", s.partePlus).str("cantidad", s.cantidadPlus).end();
    w.key(2, "reajuste_440", first);
    w.list(s.partesReajuste);
    w.key(2, "minimo_172", first);
    Inline(w)
        .num("minimo", s.minimo)
        .num("puntos_mayor_que", s.puntosMinimoDesde)
        .num("puntos_menor_que", s.puntosMinimoHasta)
        .num("tasa_aportes", s.tasaAportesMinimo)
        .num("factor_zona", s.factorZonaMinimo)
        .end();
    w.key(2, "transporte_029", first);
    Inline(w)
        .num("tasa_prueba", s.tasaPruebaKm)
        .num("tope_prueba", s.topePruebaKm)
        .num("tasa", s.tasaKm)
        .num("tope", s.topeKm)
        .end();
    w.key(2, "hijo_1001", first);
    w.out += "{\"topes\": ";
    w.list(s.topesHijo);
    w.out += ", \"montos\": ";
    w.list(s.montosHijo);
    w.out += '}';
    w.key(2, "hijo_diferenciado_1002", first);
    w.num(s.montoHijoDiferenciado);
    w.key(2, "familia_numerosa_1003", first);
    Inline(w).num("desde_hijos", s.hijosFamiliaNumerosa).num("monto", s.familiaNumerosa).end();
    w.key(2, "conyuge_1010", first);
    w.num(s.conyuge);

    w.key(2, "descuentos", first);
    {
        bool inner = true;
        const std::pair<const char*, const DeductionRate*> rates[] = {
            {"iosper_505", &s.iosper}, {"osplad_508", &s.osplad},     {"aporte_jub_502", &s.jubilacion},
            {"ley4035_504", &s.ley4035}, {"zutel_332", &s.zutel},     {"caja_comp_512", &s.cajaComp},
            {"seguro_510", &s.seguro},
        };
        w.out += '{';
        for (const auto& [k, rate] : rates) {
            w.key(4, k, inner);
            deduction(w, *rate);
        }
        w.close(2, '}');
    }

    w.key(2, "cargos", first);
    w.out += '[';
    for (std::size_t i = 0; i < s.cargos.size(); ++i) {
        w.out += i ? ",\n    " : "\n    ";
        position(w, s.cargos[i]);
    }
    w.close(2, ']');
    w.close(0, '}');
    w.out += '\n';
    return w.out;
}

} // namespace haberes
