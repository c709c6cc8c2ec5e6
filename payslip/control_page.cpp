#include "payslip/control_page.h"

#include "payslip/cell_text.h"
#include "payslip/control_text.h"
#include "payslip/paper_page.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <vector>

namespace haberes {

namespace {

// The largest and the smallest text size, in points, of the page's body.
constexpr double kLargestPoints = 10;
constexpr double kSmallestPoints = 5;

// Across the page, as shares of its width: code, conceptCell, due, paid,
// difference; an explanation runs under the conceptCell to the right edge.
constexpr double kColumns[] = {0, 0.09, 0.44, 0.62, 0.80, 1};

struct Cell {
    int column; // first column; the cell runs to the next, or to `last`
    QString text;
    Qt::Alignment align = Qt::AlignLeft;
    int last = -1;
};

// Writes the page from the top, or only measures it when painter is null.
class Sheet {
public:
    Sheet(QPainter* painter, QPaintDevice& device, double points)
        : painter_(painter), device_(device), points_(points), width_(device.width())
    {
    }

    int height() const { return y_; }

    QFont font(double share, bool bold = false, bool italic = false) const
    {
        QFont f = QGuiApplication::font();
        f.setPointSizeF(points_ * share);
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    }

    // Cells side by side, each wrapped within its columns; the row is as
    // tall as its tallest cell.
    void row(const std::vector<Cell>& cells, const QFont& f)
    {
        const QFontMetrics metrics(f, &device_);
        const int pad = metrics.averageCharWidth() / 2;
        int tallest = metrics.height();
        std::vector<QRect> places;
        for (const Cell& cell : cells) {
            const int left = x(cell.column) + pad;
            const int right = x(cell.last >= 0 ? cell.last : cell.column + 1) - pad;
            const QRect room(left, y_, std::max(1, right - left), 1 << 20);
            const QRect need = metrics.boundingRect(room, flags(cell), cell.text);
            tallest = std::max(tallest, need.height());
            places.push_back(room);
        }
        if (painter_) {
            painter_->setFont(f);
            for (std::size_t i = 0; i < cells.size(); ++i)
                painter_->drawText(places[i].adjusted(0, 0, 0, tallest - places[i].height()), flags(cells[i]),
                                   cells[i].text);
        }
        y_ += tallest + metrics.leading();
    }

    void line(const QString& text, const QFont& f) { row({{0, text, Qt::AlignLeft, 5}}, f); }

    void rule()
    {
        const int thickness = std::max(1, device_.logicalDpiY() / 150);
        if (painter_)
            painter_->fillRect(QRect(0, y_, width_, thickness), Qt::black);
        y_ += thickness + gapPixels(0.3);
    }

    void gap(double lines) { y_ += gapPixels(lines); }

private:
    int x(int column) const { return static_cast<int>(width_ * kColumns[column]); }
    static int flags(const Cell& cell) { return int(cell.align) | Qt::AlignTop | Qt::TextWordWrap; }
    int gapPixels(double lines) const { return static_cast<int>(QFontMetrics(font(1), &device_).height() * lines); }

    QPainter* painter_;
    QPaintDevice& device_;
    double points_;
    int width_;
    int y_ = 0;
};

const Qt::Alignment kRight = Qt::AlignRight;

void header(Sheet& s, const QString& code, const QString& first)
{
    s.row({{0, code}, {1, first}, {2, QStringLiteral("Debido"), kRight},
           {3, QStringLiteral("Cobrado"), kRight}, {4, QStringLiteral("Diferencia"), kRight}},
          s.font(0.95, true));
    s.rule();
}

void amounts(Sheet& s, const QString& code, const QString& name, const ControlLine& l, std::string_view sep,
             bool bold = false)
{
    s.row({{0, code}, {1, name}, {2, moneyText(l.due, sep), kRight}, {3, moneyText(l.paid, sep), kRight},
           {4, differenceText(l.difference, sep), kRight}},
          s.font(1, bold));
}

void writeSheet(Sheet& s, const PayslipControl& control, const ControlPageHeading& h)
{
    const std::string_view sep = h.decimalSeparator;
    s.line(kControlTitle, s.font(1.7, true));
    s.gap(0.3);
    s.line(QStringLiteral("Docente: %1").arg(h.docente), s.font(1.1));
    s.line(QStringLiteral("Mes: %1").arg(h.mes), s.font(1.1));
    s.line(QStringLiteral("Escala: %1").arg(h.escala), s.font(1.1));
    s.gap(0.8);

    s.line(QStringLiteral("Líneas que difieren"), s.font(1.2, true));
    s.gap(0.2);
    std::vector<const ControlLine*> differing;
    for (const ControlLine& l : control.lines)
        if (l.differs())
            differing.push_back(&l);
    if (differing.empty()) {
        s.line(QStringLiteral("Ninguna línea difiere en más de un centavo."), s.font(1));
    } else {
        header(s, QStringLiteral("Código"), QStringLiteral("Concepto"));
        for (const ControlLine* l : differing) {
            const QString conceptCell = l->due ? qs(l->concepto) : QStringLiteral("(no figura en el cálculo)");
            amounts(s, qs(l->code), conceptCell, *l, sep);
            const QString how = dueExplanation(*l);
            if (!how.isEmpty())
                s.row({{1, QStringLiteral("Cómo se forma lo debido: ") + how, Qt::AlignLeft, 5}},
                      s.font(0.85, false, true));
            s.gap(0.25);
        }
    }
    s.gap(0.8);

    s.line(QStringLiteral("Totales"), s.font(1.2, true));
    s.gap(0.2);
    header(s, QString(), QString());
    for (const ControlLine* total : {&control.haberes, &control.descuentos, &control.liquido})
        amounts(s, QString(), totalName(control, *total), *total, sep);
    s.gap(0.8);
    const QString net = control.liquido.difference
                            ? differenceText(control.liquido.difference, sep)
                            : QStringLiteral("no se puede saber: falta lo cobrado como líquido a pagar");
    s.line(QStringLiteral("Diferencia neta (líquido cobrado menos líquido debido): %1").arg(net),
           s.font(1.15, true));
}

} // namespace

// Largest text that fits: measured at each size from the largest down.
bool writeControlPage(QIODevice& out, const PayslipControl& control, const ControlPageHeading& heading,
                      const QString& title, const QPageSize& size)
{
    QPdfWriter pdf(&out);
    setUpPdf(pdf, title, size);
    double points = kLargestPoints;
    for (; points > kSmallestPoints; points -= 0.5) {
        Sheet measure(nullptr, pdf, points);
        writeSheet(measure, control, heading);
        if (measure.height() <= pdf.height())
            break;
    }
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    Sheet sheet(&painter, pdf, points);
    writeSheet(sheet, control, heading);
    return painter.end();
}

} // namespace haberes
