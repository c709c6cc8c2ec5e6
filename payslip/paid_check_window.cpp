#include "payslip/paid_check_window.h"

#include "engine/messages.h"

#include "payslip/cell_text.h"
#include "payslip/control_page.h"
#include "payslip/control_text.h"
#include "payslip/paper_page.h"
#include "payslip/printing.h"

#include <QBuffer>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace haberes {

namespace {

// Readable on the window's grey and in black and white: the word says it,
// the colour only helps.
const QColor kDiffersColour(176, 0, 0);

enum GridColumn { colCode, colConcept, colDue, colPaid, colDifference, colMark, colCount };

// "diciembre de 2026": the month the paper payslip is most often about.
QString currentMonth()
{
    static const char* const kMonths[] = {"enero",  "febrero", "marzo",     "abril",   "mayo",      "junio",
                                          "julio",  "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
    const QDate today = QDate::currentDate();
    return QStringLiteral("%1 de %2").arg(QString::fromUtf8(kMonths[today.month() - 1])).arg(today.year());
}

QLabel* cellLabel(const QString& name, const QString& text, Qt::Alignment align = Qt::AlignLeft)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

QLabel* headerLabel(const QString& text, Qt::Alignment align = Qt::AlignLeft)
{
    QLabel* label = cellLabel(QString(), text, align);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void setStrong(QWidget* w, bool strong)
{
    QFont f = w->font();
    f.setBold(strong);
    w->setFont(f);
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, strong ? kDiffersColour : QColor(Qt::black));
    w->setPalette(palette);
}

} // namespace

PaidCheckWindow::PaidCheckWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("controlCobrado"));
    setWindowTitle(QStringLiteral("Comparar con lo cobrado"));
    resize(820, 640);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral(
        "Escribí en «Cobrado» lo que dice tu recibo de papel, línea por línea. Las líneas que difieren en más "
        "de un centavo dicen «Difiere» y muestran cómo se forma lo debido. Si tu recibo tiene un código que acá "
        "no está, agregalo con «Agregar código»."));
    intro->setObjectName(QStringLiteral("explicacionControl"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* monthRow = new QHBoxLayout;
    auto* monthLabel = new QLabel(QStringLiteral("Mes del recibo:"));
    mes_ = new QLineEdit(currentMonth());
    mes_->setObjectName(QStringLiteral("mesRecibo"));
    mes_->setAccessibleName(QStringLiteral("Mes del recibo"));
    monthLabel->setBuddy(mes_);
    monthRow->addWidget(monthLabel);
    monthRow->addWidget(mes_, 1);
    layout->addLayout(monthRow);

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("tablaControl"));
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table_ = new QWidget;
    grid_ = new QGridLayout(table_);
    scroll->setWidget(table_);
    layout->addWidget(scroll, 1);
    auto* totals = new QWidget;
    totals->setObjectName(QStringLiteral("totalesControl"));
    totalsGrid_ = new QGridLayout(totals);
    // Right of the totals, the room the scroll bar takes above them.
    QMargins margins = totalsGrid_->contentsMargins();
    margins.setLeft(margins.left() + scroll->frameWidth());
    margins.setRight(margins.right() + scroll->frameWidth() + scroll->verticalScrollBar()->sizeHint().width());
    totalsGrid_->setContentsMargins(margins);
    layout->addWidget(totals);
    for (QGridLayout* g : {grid_, totalsGrid_}) {
        g->setColumnStretch(colConcept, 1);
        g->setColumnMinimumWidth(colCode, 70);
        g->setColumnMinimumWidth(colDue, 110);
        g->setColumnMinimumWidth(colPaid, 130);
        g->setColumnMinimumWidth(colDifference, 100);
        g->setColumnMinimumWidth(colMark, 70);
    }

    nota_ = new QLabel(kExtraCodesNote);
    nota_->setObjectName(QStringLiteral("notaCodigosAgregados"));
    nota_->setWordWrap(true);
    nota_->hide();
    layout->addWidget(nota_);

    aviso_ = new QLabel;
    aviso_->setObjectName(QStringLiteral("avisoControl"));
    aviso_->setWordWrap(true);
    aviso_->setTextFormat(Qt::PlainText);
    layout->addWidget(aviso_);

    auto* buttons = new QHBoxLayout;
    auto* agregar = new QPushButton(QStringLiteral("Agregar código"));
    agregar->setObjectName(QStringLiteral("agregarCodigo"));
    auto* imprimir = new QPushButton(QStringLiteral("Imprimir"));
    imprimir->setObjectName(QStringLiteral("imprimirControl"));
    imprimir->setToolTip(QStringLiteral("Imprime la página «Control del recibo» con las líneas que difieren"));
    auto* pdf = new QPushButton(QStringLiteral("Guardar PDF…"));
    pdf->setObjectName(QStringLiteral("guardarPdfControl"));
    auto* cerrar = new QPushButton(QStringLiteral("Cerrar"));
    cerrar->setObjectName(QStringLiteral("cerrarControl"));
    buttons->addWidget(agregar);
    buttons->addStretch(1);
    buttons->addWidget(imprimir);
    buttons->addWidget(pdf);
    buttons->addWidget(cerrar);
    layout->addLayout(buttons);

    connect(agregar, &QPushButton::clicked, this, [this] { addRow(); });
    connect(imprimir, &QPushButton::clicked, this, [this] { printPage(); });
    connect(pdf, &QPushButton::clicked, this, [this] { savePage(); });
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);

    rebuild();
}

void PaidCheckWindow::setDue(PayslipControl due, Subject subject)
{
    const auto computed = [&due](const QString& code) {
        return std::any_of(due.lines.begin(), due.lines.end(),
                           [&](const ControlLine& l) { return qs(l.code) == code; });
    };
    // Typed codes no longer computed stay, as added rows; added codes now
    // computed find their row, unless it has an amount of its own.
    QList<Added> kept;
    for (const Added& a : std::as_const(added_)) {
        if (computed(a.code) && typed_.value(a.code).trimmed().isEmpty())
            typed_[a.code] = a.amount;
        else
            kept.append(a);
    }
    for (const ControlLine& l : due_.lines) {
        const QString code = qs(l.code);
        if (!computed(code) && typed_.contains(code))
            kept.append({code, typed_.take(code)});
    }
    added_ = kept;
    due_ = std::move(due);
    subject_ = std::move(subject);
    rebuild();
}

void PaidCheckWindow::setPaidTexts(const PaidTexts& paid)
{
    typed_.clear();
    added_.clear();
    for (const auto& entry : paid) {
        const std::string& key = entry.first;
        const QString code = qs(key);
        const bool own = key == kPaidNetKey || std::any_of(due_.lines.begin(), due_.lines.end(),
                                                           [&](const ControlLine& l) { return l.code == key; });
        if (own)
            typed_[code] = qs(entry.second);
        else
            added_.append({code, qs(entry.second)});
    }
    rebuild();
}

std::vector<PaidCheckWindow::Entry> PaidCheckWindow::entries() const
{
    std::vector<Entry> out;
    for (const Row& row : rows_) {
        if (!row.paidBox)
            continue;
        const QString text = row.added >= 0 ? added_[row.added].amount : typed_.value(row.key);
        if (text.trimmed().isEmpty())
            continue;
        const QString key = row.added >= 0 ? added_[row.added].code.trimmed() : row.key;
        out.push_back({key.toStdString(), text.toStdString(), row.paidBox});
    }
    return out;
}

PaidTexts PaidCheckWindow::paidTexts() const
{
    // An added row without its code, or a code twice, cannot be kept.
    PaidTexts paid;
    for (const Entry& e : entries()) {
        const bool repeated = std::any_of(paid.begin(), paid.end(), [&](const auto& p) { return p.first == e.key; });
        if (!e.key.empty() && !repeated)
            paid.emplace_back(e.key, e.text);
    }
    return paid;
}

void PaidCheckWindow::rebuild()
{
    // A new table: the old one goes with its boxes, the focus put back
    // afterwards by whoever rebuilds.
    for (QGridLayout* g : {grid_, totalsGrid_})
        while (QLayoutItem* item = g->takeAt(0)) {
            delete item->widget();
            delete item;
        }
    rows_.clear();

    int r = 0;
    grid_->addWidget(headerLabel(QStringLiteral("Código")), r, colCode);
    grid_->addWidget(headerLabel(QStringLiteral("Concepto")), r, colConcept);
    grid_->addWidget(headerLabel(QStringLiteral("Debido"), Qt::AlignRight), r, colDue);
    grid_->addWidget(headerLabel(QStringLiteral("Cobrado"), Qt::AlignRight), r, colPaid);
    QLabel* diff = headerLabel(QStringLiteral("Diferencia"), Qt::AlignRight);
    diff->setToolTip(QStringLiteral("Lo cobrado menos lo debido: negativa si cobraste de menos"));
    grid_->addWidget(diff, r, colDifference);
    r += 1;
    for (const ControlLine& line : due_.lines) {
        addLineRow(r, line);
        r += 2;
    }
    for (int i = 0; i < added_.size(); ++i) {
        addAddedRow(r, i);
        r += 2;
    }
    grid_->setRowStretch(r, 1);
    addTotalRow(0, QString(), QStringLiteral("Total haberes"));
    addTotalRow(2, QString(), QStringLiteral("Total descuentos"));
    addTotalRow(4, QString::fromUtf8(kPaidNetKey.data(), kPaidNetKey.size()), QStringLiteral("Líquido a pagar"));
    refresh();
}

void PaidCheckWindow::addLineRow(int gridRow, const ControlLine& line)
{
    const QString code = qs(line.code);
    Row row;
    row.key = code;
    grid_->addWidget(cellLabel(QStringLiteral("codigo_") + code, code), gridRow, colCode);
    grid_->addWidget(cellLabel(QStringLiteral("concepto_") + code, qs(line.concepto)), gridRow, colConcept);
    row.due = cellLabel(QStringLiteral("debido_") + code, moneyText(line.due, subject_.decimalSeparator),
                        Qt::AlignRight);
    grid_->addWidget(row.due, gridRow, colDue);
    row.paidBox = new QLineEdit(typed_.value(code));
    row.paidBox->setObjectName(QStringLiteral("cobrado_") + code);
    row.paidBox->setAccessibleName(QStringLiteral("Cobrado en la línea %1 %2").arg(code, qs(line.concepto)));
    row.paidBox->setAlignment(Qt::AlignRight);
    connect(row.paidBox, &QLineEdit::textEdited, this, [this, code](const QString& text) {
        typed_[code] = text;
        refresh();
    });
    grid_->addWidget(row.paidBox, gridRow, colPaid);
    row.difference = cellLabel(QStringLiteral("diferencia_") + code, QString(), Qt::AlignRight);
    grid_->addWidget(row.difference, gridRow, colDifference);
    row.mark = cellLabel(QStringLiteral("marca_") + code, QString());
    grid_->addWidget(row.mark, gridRow, colMark);
    row.explanation = cellLabel(QStringLiteral("explicacion_") + code, QString());
    row.explanation->setWordWrap(true);
    row.explanation->hide();
    grid_->addWidget(row.explanation, gridRow + 1, colConcept, 1, colCount - colConcept);
    rows_.push_back(row);
}

void PaidCheckWindow::addAddedRow(int gridRow, int index)
{
    const QString n = QString::number(index + 1);
    Row row;
    row.added = index;
    row.codeBox = new QLineEdit(added_[index].code);
    row.codeBox->setObjectName(QStringLiteral("codigoAgregado_") + n);
    row.codeBox->setAccessibleName(QStringLiteral("Código agregado %1").arg(n));
    row.codeBox->setPlaceholderText(QStringLiteral("código"));
    row.codeBox->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")),
                                                              row.codeBox));
    row.codeBox->setMaximumWidth(70);
    connect(row.codeBox, &QLineEdit::textEdited, this, [this, index](const QString& text) {
        added_[index].code = text;
        refresh();
    });
    grid_->addWidget(row.codeBox, gridRow, colCode);

    auto* conceptCell = new QWidget;
    auto* conceptLayout = new QHBoxLayout(conceptCell);
    conceptLayout->setContentsMargins(0, 0, 0, 0);
    conceptLayout->addWidget(cellLabel(QString(), QStringLiteral("(no figura en el cálculo)")), 1);
    auto* quitar = new QPushButton(QStringLiteral("Quitar"));
    quitar->setObjectName(QStringLiteral("quitarAgregado_") + n);
    quitar->setAccessibleName(QStringLiteral("Quitar el código agregado %1").arg(n));
    connect(quitar, &QPushButton::clicked, this, [this, index] { removeAdded(index); });
    conceptLayout->addWidget(quitar);
    grid_->addWidget(conceptCell, gridRow, colConcept);

    row.due = cellLabel(QStringLiteral("debidoAgregado_") + n, moneyText(std::nullopt, subject_.decimalSeparator),
                        Qt::AlignRight);
    grid_->addWidget(row.due, gridRow, colDue);
    row.paidBox = new QLineEdit(added_[index].amount);
    row.paidBox->setObjectName(QStringLiteral("cobradoAgregado_") + n);
    row.paidBox->setAccessibleName(QStringLiteral("Cobrado en el código agregado %1").arg(n));
    row.paidBox->setAlignment(Qt::AlignRight);
    connect(row.paidBox, &QLineEdit::textEdited, this, [this, index](const QString& text) {
        added_[index].amount = text;
        refresh();
    });
    grid_->addWidget(row.paidBox, gridRow, colPaid);
    row.difference = cellLabel(QStringLiteral("diferenciaAgregado_") + n, QString(), Qt::AlignRight);
    grid_->addWidget(row.difference, gridRow, colDifference);
    row.mark = cellLabel(QStringLiteral("marcaAgregado_") + n, QString());
    grid_->addWidget(row.mark, gridRow, colMark);
    row.explanation = cellLabel(QStringLiteral("explicacionAgregado_") + n, QString());
    row.explanation->setWordWrap(true);
    row.explanation->hide();
    grid_->addWidget(row.explanation, gridRow + 1, colConcept, 1, colCount - colConcept);
    rows_.push_back(row);
}

void PaidCheckWindow::addTotalRow(int gridRow, const QString& key, const QString& name)
{
    // haberes, descuentos, liquido
    const QString id = key.isEmpty() ? (name.contains(QStringLiteral("haberes")) ? QStringLiteral("haberes")
                                                                                 : QStringLiteral("descuentos"))
                                     : key;
    Row row;
    row.key = key;
    totalsGrid_->addWidget(headerLabel(name), gridRow, colConcept);
    row.due = cellLabel(QStringLiteral("debido_") + id, QString(), Qt::AlignRight);
    totalsGrid_->addWidget(row.due, gridRow, colDue);
    if (key.isEmpty()) {
        row.paid = cellLabel(QStringLiteral("cobrado_") + id, QString(), Qt::AlignRight);
        row.paid->setToolTip(QStringLiteral("La suma de lo cobrado en cada línea de la columna, cuando las "
                                            "escribiste todas"));
        totalsGrid_->addWidget(row.paid, gridRow, colPaid);
    } else {
        row.paidBox = new QLineEdit(typed_.value(key));
        row.paidBox->setObjectName(QStringLiteral("cobrado_") + id);
        row.paidBox->setAccessibleName(QStringLiteral("Líquido cobrado"));
        row.paidBox->setAlignment(Qt::AlignRight);
        connect(row.paidBox, &QLineEdit::textEdited, this, [this, key](const QString& text) {
            typed_[key] = text;
            refresh();
        });
        totalsGrid_->addWidget(row.paidBox, gridRow, colPaid);
    }
    row.difference = cellLabel(QStringLiteral("diferencia_") + id, QString(), Qt::AlignRight);
    totalsGrid_->addWidget(row.difference, gridRow, colDifference);
    row.mark = cellLabel(QStringLiteral("marca_") + id, QString());
    totalsGrid_->addWidget(row.mark, gridRow, colMark);
    row.explanation = cellLabel(QStringLiteral("explicacion_") + id, QString());
    row.explanation->setWordWrap(true);
    row.explanation->hide();
    totalsGrid_->addWidget(row.explanation, gridRow + 1, colConcept, 1, colCount - colConcept);
    rows_.push_back(row);
}

void PaidCheckWindow::refresh()
{
    // Boxes that cannot be used are left out, one by one, so that the rest
    // is still compared while the user types.
    struct Refusal {
        std::size_t entry;
        QString message;
    };
    std::vector<Refusal> refusals;
    const std::vector<Entry> all = entries();
    PaidTexts paid;
    std::vector<std::size_t> from;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Entry& e = all[i];
        const bool repeated =
            std::any_of(paid.begin(), paid.end(), [&](const auto& p) { return p.first == e.key; }) ||
            (e.key != kPaidNetKey && std::any_of(rows_.begin(), rows_.end(), [&](const Row& r) {
                 return r.added < 0 && r.paidBox != e.box && r.key.toStdString() == e.key;
             }));
        if (e.key.empty())
            refusals.push_back({i, qs(paidCodeMissingMessage())});
        else if (repeated)
            refusals.push_back({i, qs(paidCodeRepeatedMessage(e.key))});
        else {
            paid.emplace_back(e.key, e.text);
            from.push_back(i);
        }
    }
    const NumberFormat format{subject_.decimalSeparator};
    ControlResult result = comparePaid(due_, paid, format);
    while (!result.control) {
        const auto bad = std::find_if(paid.begin(), paid.end(),
                                      [&](const auto& p) { return "cobrado." + p.first == result.field; });
        if (bad == paid.end())
            break; // cannot happen: every refusal names its key
        const auto k = static_cast<std::size_t>(bad - paid.begin());
        refusals.push_back({from[k], qs(result.message)});
        paid.erase(bad);
        from.erase(from.begin() + static_cast<std::ptrdiff_t>(k));
        result = comparePaid(due_, paid, format);
    }
    check_.control = result.control ? std::move(*result.control) : due_;
    std::sort(refusals.begin(), refusals.end(), [](const Refusal& a, const Refusal& b) { return a.entry < b.entry; });
    check_.refusedBox = refusals.empty() ? nullptr : all[refusals.front().entry].box;
    check_.message = refusals.empty() ? QString() : refusals.front().message;

    const auto refusalOf = [&](const QLineEdit* box) {
        for (const Refusal& r : refusals)
            if (all[r.entry].box == box)
                return r.message;
        return QString();
    };
    const std::size_t computed = due_.lines.size();
    for (Row& row : rows_) {
        const ControlLine* line = nullptr;
        if (row.added >= 0) {
            const std::string code = added_[row.added].code.trimmed().toStdString();
            const auto found = std::find_if(check_.control.lines.begin() + static_cast<std::ptrdiff_t>(computed),
                                            check_.control.lines.end(),
                                            [&](const ControlLine& l) { return l.code == code; });
            if (found != check_.control.lines.end() && !code.empty())
                line = &*found;
        } else if (row.key == QLatin1String(kPaidNetKey.data(), kPaidNetKey.size())) {
            line = &check_.control.liquido;
        } else if (row.key.isEmpty()) {
            line = row.paid->objectName().endsWith(QStringLiteral("haberes")) ? &check_.control.haberes
                                                                              : &check_.control.descuentos;
        } else {
            const std::size_t i = static_cast<std::size_t>(&row - rows_.data());
            line = &check_.control.lines[i];
        }
        showRow(row, line, row.paidBox ? refusalOf(row.paidBox) : QString());
    }

    nota_->setVisible(check_.control.extraCodes());
    const auto differing = std::count_if(check_.control.lines.begin(), check_.control.lines.end(),
                                         [](const ControlLine& l) { return l.differs(); });
    QString summary;
    if (!check_.message.isEmpty())
        summary = check_.message;
    else if (all.empty())
        summary = QStringLiteral("Todavía no escribiste nada en «Cobrado».");
    else if (differing == 0)
        summary = QStringLiteral("Ninguna línea difiere en más de un centavo.");
    else if (differing == 1)
        summary = QStringLiteral("Una línea difiere en más de un centavo.");
    else
        summary = QStringLiteral("%1 líneas difieren en más de un centavo.").arg(differing);
    aviso_->setText(summary);
    setStrong(aviso_, !check_.message.isEmpty());
}

void PaidCheckWindow::showRow(Row& row, const ControlLine* line, const QString& refusal)
{
    const std::string_view sep = subject_.decimalSeparator;
    row.due->setText(moneyText(line ? line->due : std::nullopt, sep));
    if (row.paid)
        row.paid->setText(moneyText(line ? line->paid : std::nullopt, sep));
    row.difference->setText(line && line->difference ? differenceText(line->difference, sep) : QString());
    const bool differs = line && line->differs();
    row.mark->setText(!refusal.isEmpty() ? QStringLiteral("Revisá") : line ? markText(*line) : QString());
    setStrong(row.mark, differs || !refusal.isEmpty());
    setStrong(row.difference, differs);
    if (row.paidBox)
        row.paidBox->setToolTip(refusal);
    const QString how = differs ? dueExplanation(*line) : QString();
    row.explanation->setText(how.isEmpty() ? QString() : QStringLiteral("Cómo se forma lo debido: ") + how);
    row.explanation->setVisible(!how.isEmpty());
}

void PaidCheckWindow::addRow()
{
    added_.append(Added{});
    rebuild();
    for (const Row& row : rows_)
        if (row.added == added_.size() - 1)
            row.codeBox->setFocus(Qt::OtherFocusReason);
}

void PaidCheckWindow::removeAdded(int index)
{
    if (index < 0 || index >= added_.size())
        return;
    added_.removeAt(index);
    rebuild();
}

ControlPageHeading PaidCheckWindow::heading() const
{
    return {subject_.docente, mes_->text().trimmed(), subject_.escala, subject_.decimalSeparator};
}

QByteArray PaidCheckWindow::pagePdf(const QPageSize& size) const
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    if (!writeControlPage(buffer, check_.control, heading(), documentTitle(), size))
        pdf.clear();
    return pdf;
}

bool PaidCheckWindow::writePagePdf(const QString& path) const
{
    return writeFileWhole(path, [this](QIODevice& out) {
        return writeControlPage(out, check_.control, heading(), documentTitle(), QPageSize(QPageSize::A4));
    });
}

QString PaidCheckWindow::documentTitle() const
{
    return QStringLiteral("%1 - %2").arg(kControlTitle, subject_.docente);
}

PaperDocument PaidCheckWindow::paper() const
{
    return {documentTitle(), QStringLiteral("el control del recibo"),
            pdfFileName(subject_.docente, QDate::currentDate(), QStringLiteral("Control-del-recibo")),
            [this](const QPageSize& size) { return pagePdf(size); },
            // Always A4: the page is laid out for it, whatever the printer's paper.
            [this](const QString& path, const QPageSize&) { return writePagePdf(path); }};
}

bool PaidCheckWindow::readyForPaper()
{
    refresh();
    if (!check_.refusedBox)
        return true;
    check_.refusedBox->setFocus(Qt::OtherFocusReason);
    check_.refusedBox->selectAll();
    if (hooks_.notice)
        hooks_.notice(check_.message);
    return false;
}

void PaidCheckWindow::printPage()
{
    if (readyForPaper() && hooks_.print)
        hooks_.print(paper());
}

void PaidCheckWindow::savePage()
{
    if (readyForPaper() && hooks_.savePdf)
        hooks_.savePdf(paper());
}

} // namespace haberes
