#pragma once
// The program: the entry window from the start, the payslip window from the
// first calculation on, and "Calcular", "Volver" and "Salir" between them.
#include "app/field_notice.h"
#include "entry/scale_window.h"

#include <QObject>

class QAction;
#include <memory>
#include <optional>

namespace haberes {

// Declared, not included: moc cannot parse the engine's headers.
enum class Field;
class EntriesMenu;
class EntryWindow;
class ScaleMenu;
class PayslipWindow;
struct SavedEntries;
struct PositionTexts;
struct Refusal;

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(QObject* parent = nullptr);
    ~Program() override;

    // Shows the entry window.
    void start();

    EntryWindow* entryWindow() const { return entry_.get(); }
    // "Archivo" above the entry window: entries opened from and saved to files.
    EntriesMenu* entriesMenu() const { return entriesMenu_.get(); }
    // "Escala" beside it: the scale window, "Abrir escala…", "Borrar escala…".
    ScaleMenu* scaleMenu() const { return scaleMenu_.get(); }
    // "Ver escala…" and "Nueva escala…": a scale window on the chosen scale,
    // deleted when closed. A scale it saves is offered and chosen at once.
    ScaleWindow* showScaleWindow(ScaleWindow::Mode mode);
    // Null until the first payslip.
    PayslipWindow* payslipWindow() const { return payslip_.get(); }

    void setFieldNotice(FieldNotice notice) { notice_ = std::move(notice); }

    // "Calcular": the message dialog when no pay basis is chosen; the refused
    // box, named and focused, when a text does not convert; else the payslip.
    void calcular();

signals:
    // "Salir" in either window, or the entry window's close control.
    void quitRequested();

private:
    PayslipWindow* ensurePayslipWindow();
    // The payslip of what the windows hold, under the chosen scale, in the
    // payslip window; else why not, and the window is left as it was.
    std::optional<Refusal> showCalculated();
    void onScaleChanged();
    void refuse(const Refusal& refusal);
    void onPositionHeader(const PositionTexts& texts);
    void refuseField(Field field, const QString& message);
    SavedEntries savedEntries() const;
    void enterSaved(const SavedEntries& saved);
    // "Guardar recibo en PDF…" is enabled while a payslip is on view.
    void updatePdfAction();

    std::unique_ptr<EntryWindow> entry_;
    std::unique_ptr<PayslipWindow> payslip_;
    std::unique_ptr<EntriesMenu> entriesMenu_;
    std::unique_ptr<ScaleMenu> scaleMenu_;
    FieldNotice notice_;
    QAction* pdfAction_ = nullptr;
    // "Listo" before the payslip window exists: its header waits here.
    std::unique_ptr<PositionTexts> pendingHeader_;
};

} // namespace haberes
