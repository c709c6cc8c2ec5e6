#include "app/program.h"

#include "common/locale_format.h"
#include "engine/calculate.h"
#include "entry/entries_file.h"
#include "entry/entries_from_windows.h"
#include "entry/entries_menu.h"
#include "entry/entries_to_windows.h"
#include "entry/entry_window.h"
#include "entry/position_dialog.h"
#include "entry/qt_text.h"
#include "entry/scale_choice.h"
#include "entry/scale_menu.h"
#include "record/record_keys.h"
#include "scale/scale_catalog.h"
#include "payslip/paid_check_window.h"
#include "payslip/payslip_window.h"

#include <QDate>
#include <QDateTime>
#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace haberes {

namespace {

bool isPositionDialogField(Field field)
{
    switch (field) {
    case Field::punbas:
    case Field::jorcom:
    case Field::proljor:
    case Field::tardif:
    case Field::compbas:
        return true;
    default:
        return false;
    }
}

} // namespace

Program::Program(QObject* parent)
    : QObject(parent), entry_(std::make_unique<EntryWindow>()), notice_(messageBoxNotice())
{
    connect(entry_.get(), &EntryWindow::calcularRequested, this, &Program::calcular);
    connect(entry_.get(), &EntryWindow::salirRequested, this, &Program::quitRequested);
    connect(entry_.get(), &EntryWindow::positionHeaderChosen, this, &Program::onPositionHeader);
    connect(entry_.get(), &EntryWindow::scaleChanged, this, &Program::onScaleChanged);
    entry_->scaleChoice()->setCatalog(findScales(), QDate::currentDate());
    entriesMenu_ = std::make_unique<EntriesMenu>(
        entry_.get(), EntriesMenu::Entries{[this] { return savedEntries(); },
                                           [this](const SavedEntries& saved) { enterSaved(saved); },
                                           [this](const std::optional<std::string>& name) -> const PayScale& {
                                               const PayScale* offered =
                                                   name ? entry_->scaleChoice()->offered(qtext(*name)) : nullptr;
                                               return offered ? *offered : entry_->scale();
                                           }});
    // The payslip on view can be saved as a PDF from here too.
    QMenu* archivo = entriesMenu_->fileMenu();
    archivo->addSeparator();
    QAction* pdf = archivo->addAction(QStringLiteral("Guardar recibo en PDF…"), this, [this] {
        if (payslip_ && payslip_->isVisible())
            payslip_->pdfAction()->trigger();
    });
    pdf->setObjectName(QStringLiteral("guardarReciboPdf"));
    // The same keys as in the payslip window.
    pdf->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(archivo, &QMenu::aboutToShow, this, &Program::updatePdfAction);
    pdfAction_ = pdf;
    updatePdfAction();
    scaleMenu_ = std::make_unique<ScaleMenu>(
        entriesMenu_->menuBar(), entry_->scaleChoice(),
        ScaleMenu::Windows{[this] { showScaleWindow(ScaleWindow::Mode::view); },
                           [this] { showScaleWindow(ScaleWindow::Mode::create); }});
}

Program::~Program() = default;

ScaleWindow* Program::showScaleWindow(ScaleWindow::Mode mode)
{
    ScaleChoice* choice = entry_->scaleChoice();
    auto* window = new ScaleWindow(choice->scale(), mode, choice->userFolder(), entry_.get());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setHooks({{}, {}, {}, [choice] { return choice->scaleNames(); }});
    // The file is already in the user's folder: offering it keeps it where it is.
    connect(window, &ScaleWindow::saved, choice, [choice](const QString& path) { choice->openFile(path); });
    window->show();
    return window;
}

void Program::start()
{
    entry_->show();
}

PayslipWindow* Program::ensurePayslipWindow()
{
    if (!payslip_) {
        payslip_ = std::make_unique<PayslipWindow>();
        connect(payslip_.get(), &PayslipWindow::volverRequested, entry_.get(), &EntryWindow::returnFromPayslip);
        connect(payslip_.get(), &PayslipWindow::volverRequested, this, &Program::updatePdfAction);
        connect(payslip_.get(), &PayslipWindow::salirRequested, this, &Program::quitRequested);
        if (pendingHeader_) {
            const PositionTexts& t = *pendingHeader_;
            payslip_->setPositionHeader(t.codcargo, t.punbas, t.proljor, t.jorcom, t.tardif, t.compbas);
            pendingHeader_.reset();
        }
    }
    return payslip_.get();
}

void Program::onPositionHeader(const PositionTexts& texts)
{
    if (payslip_)
        payslip_->setPositionHeader(texts.codcargo, texts.punbas, texts.proljor, texts.jorcom, texts.tardif,
                                    texts.compbas);
    else
        pendingHeader_ = std::make_unique<PositionTexts>(texts);
}

void Program::calcular()
{
    if (const std::optional<Refusal> refusal = showCalculated())
        refuse(*refusal);
}

std::optional<Refusal> Program::showCalculated()
{
    const PayEntries entries = entriesFromWindows(*entry_);
    // Each line of the window tells how it was formed.
    CalcResult result = calculate(entries, numberFormat(QLocale()), entry_->scale(), Explain::yes);
    if (!result.ok())
        return std::move(result.refusal);
    result.payslip->date = utf8(payslipDate(QLocale(), QDateTime::currentDateTime()));
    PayslipWindow* window = ensurePayslipWindow();
    window->showPayslip(*result.payslip);
    window->raise();
    updatePdfAction();
    return std::nullopt;
}

// A payslip on view always belongs to the chosen scale: computed again under
// the new one, or closed with the reason when the entries no longer compute.
void Program::onScaleChanged()
{
    if (!payslip_ || !payslip_->isVisible())
        return;
    const std::optional<Refusal> refusal = showCalculated();
    if (!refusal)
        return;
    payslip_->hide();
    updatePdfAction();
    refuse(*refusal);
}

void Program::refuse(const Refusal& refusal)
{
    if (refusal.field)
        refuseField(*refusal.field, qtext(refusal.message));
    else
        entry_->showNoPayBasisMessage();
}

SavedEntries Program::savedEntries() const
{
    return {entriesFromWindows(*entry_), payslip_ ? payslip_->comment() : QString(),
            payslip_ ? payslip_->paidCheck()->paidTexts() : PaidTexts{}, entry_->scale().nombre};
}

// Nothing is computed: a payslip on view belongs to the entries it replaces.
void Program::enterSaved(const SavedEntries& saved)
{
    if (payslip_ && payslip_->isVisible())
        payslip_->hide();
    updatePdfAction();
    // Their scale first: the position dialog lists its table, the seniority
    // options its percentages.
    if (saved.escala)
        entry_->scaleChoice()->chooseScale(qtext(*saved.escala));
    enterIntoWindows(*entry_, saved.entries);
    if (payslip_ || !saved.comentario.isEmpty())
        ensurePayslipWindow()->setComment(saved.comentario);
    // The paid amounts go with the entries they were typed for.
    if (payslip_ || !saved.cobrado.empty())
        ensurePayslipWindow()->paidCheck()->setPaidTexts(saved.cobrado);
}

// Its shortcut works only while it is enabled: kept up to date whenever the
// payslip window comes or goes, not only when the menu opens.
void Program::updatePdfAction()
{
    pdfAction_->setEnabled(payslip_ && payslip_->isVisible());
}

// The boxes are named after their record keys; the dialog's are shown first.
void Program::refuseField(Field field, const QString& message)
{
    const QString name = qtext(record::recordKey(field));
    QWidget* holder = isPositionDialogField(field) ? static_cast<QWidget*>(entry_->showPositionDialog())
                                                   : static_cast<QWidget*>(entry_.get());
    auto* box = holder->findChild<QLineEdit*>(name);
    if (box) {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
    if (notice_)
        notice_(holder, message);
}

} // namespace haberes
