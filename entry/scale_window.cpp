#include "entry/scale_window.h"

#include "common/locale_format.h"
#include "entry/qt_text.h"
#include "entry/scale_amount_table.h"
#include "entry/scale_changes_view.h"
#include "entry/scale_edits.h"
#include "entry/scale_positions_page.h"
#include "entry/scale_raise_dialog.h"
#include "entry/scale_value_form.h"
#include "scale/scale_catalog.h"
#include "scale/scale_save.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>

namespace haberes {

ScaleWindow::ScaleWindow(const PayScale& start, Mode mode, const QString& userFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), mode_(mode), userFolder_(userFolder),
      edits_(std::make_unique<ScaleEdits>(start, numberFormat(QLocale()))), startName_(qtext(start.nombre))
{
    setObjectName(QStringLiteral("ventanaescala"));
    createUi(start);
    resize(900, 650);
}

ScaleWindow::~ScaleWindow() = default;

void ScaleWindow::setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

void ScaleWindow::showGroup(int index)
{
    groups_->setCurrentRow(index);
}

void ScaleWindow::onEdited()
{
    if (changes_)
        changes_->refresh();
    // Band tops head the columns of their table and name the brackets.
    for (ScaleAmountTable* table : tables_)
        table->refresh();
    for (const auto& [page, form] : forms_)
        form->refreshMarks();
    status_->setText(edits_->firstRefused() ? QStringLiteral("Hay valores marcados: corregilos antes de guardar.")
                                            : QString());
}

void ScaleWindow::refreshAll()
{
    for (const auto& [page, form] : forms_)
        form->refresh();
    onEdited();
    positions_->refresh();
}

ScaleRaiseDialog* ScaleWindow::showRaise()
{
    auto* dialog = new ScaleRaiseDialog(
        qtext(edits_->format().decimalSeparator),
        [this](double percent, const std::set<RaiseGroup>& groups) {
            const QString why = edits_->raise(percent, groups);
            if (why.isEmpty())
                refreshAll();
            return why;
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

ScaleChangesView* ScaleWindow::showChanges()
{
    if (!changes_)
        changes_ = new ScaleChangesView(*edits_, startName_, this);
    changes_->refresh();
    changes_->show();
    changes_->raise();
    changes_->activateWindow();
    return changes_;
}

QStringList ScaleWindow::installedNames() const
{
    if (hooks_.installedNames)
        return hooks_.installedNames();
    QStringList folders = scaleFolders();
    if (!folders.contains(userFolder_))
        folders.prepend(userFolder_);
    QStringList names;
    for (const ScaleEntry& e : findScales(folders).scales)
        names << qtext(e.scale->nombre);
    return names;
}

// The box or cell of a value, its page shown.
void ScaleWindow::goTo(const std::string& path)
{
    for (const auto& [page, form] : forms_)
        if (QLineEdit* box = form->box(path)) {
            showGroup(page);
            box->setFocus();
            return;
        }
    if (path.rfind("cargos[", 0) == 0) {
        showGroup(pages_->indexOf(positions_));
        positions_->goTo(path);
        return;
    }
    const ScaleItem* item = edits_->draft().item(path);
    for (ScaleAmountTable* table : tables_)
        if (item && path.rfind(utf8(table->cells()->objectName()), 0) == 0) {
            showGroup(tablePage_);
            table->cells()->setCurrentCell(static_cast<int>(item->row), static_cast<int>(item->column));
            table->cells()->setFocus();
            return;
        }
}

bool ScaleWindow::save()
{
    if (const auto refused = edits_->firstRefused()) {
        const QString why = edits_->refusal(*refused);
        goTo(*refused);
        notice(QStringLiteral("La escala no se guardó: hay valores que no valen.") +
               (why.isEmpty() ? QString() : QStringLiteral("\n\n") + why));
        return false;
    }
    const ScaleText result = edits_->draft().result();
    if (!result.scale) {
        notice(QStringLiteral("La escala no se guardó.\n\n") + qtext(result.error));
        return false;
    }
    const std::string& name = result.scale->nombre;
    if (name != savedName_ && installedNames().contains(qtext(name))) {
        goTo("nombre");
        notice(QStringLiteral("Ya hay una escala llamada «%1»: poné otro nombre a la nueva escala. Los datos "
                              "guardados nombran su escala, y dos con un nombre se confundirían.")
                   .arg(qtext(name)));
        return false;
    }
    return write(name, edits_->draft().fileText(), false);
}

bool ScaleWindow::write(const std::string& name, const std::string& text, bool replace)
{
    const ScaleSaveResult w = saveScaleFile(userFolder_, scaleFileName(name), text, replace);
    if (w.exists) {
        if (hooks_.replace)
            return hooks_.replace(w.path) && write(name, text, true);
        askReplace(w.path, name, text);
        return false;
    }
    if (!w.error.isEmpty()) {
        notice(QStringLiteral("La escala no se guardó.\n\n") + w.error);
        return false;
    }
    edits_->markSaved();
    savedName_ = name;
    status_->setText(QStringLiteral("Se guardó «%1» en %2.").arg(qtext(name), QDir::toNativeSeparators(w.path)));
    emit saved(w.path);
    return true;
}

void ScaleWindow::askReplace(const QString& path, const std::string& name, const std::string& text)
{
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Guardar escala"),
                                QStringLiteral("Ya hay un archivo %1.\n\n¿Reemplazarlo por la escala nueva?")
                                    .arg(QDir::toNativeSeparators(path)),
                                QMessageBox::NoButton, this);
    QPushButton* yes = box->addButton(QStringLiteral("Reemplazar"), QMessageBox::DestructiveRole);
    box->setDefaultButton(box->addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, yes, name, text] {
        if (box->clickedButton() == yes)
            write(name, text, true);
    });
    box->open();
}

void ScaleWindow::closeEvent(QCloseEvent* event)
{
    if (mode_ != Mode::create || discarding_ || !edits_->unsaved()) {
        QWidget::closeEvent(event);
        return;
    }
    if (hooks_.discard) {
        if (hooks_.discard())
            QWidget::closeEvent(event);
        else
            event->ignore();
        return;
    }
    event->ignore();
    askDiscard();
}

void ScaleWindow::askDiscard()
{
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Nueva escala"),
                                QStringLiteral("La escala nueva tiene valores sin guardar.\n\n¿Cerrar y perderlos?"),
                                QMessageBox::NoButton, this);
    QPushButton* lose = box->addButton(QStringLiteral("Cerrar sin guardar"), QMessageBox::DestructiveRole);
    box->setDefaultButton(box->addButton(QStringLiteral("Seguir editando"), QMessageBox::RejectRole));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, lose] {
        if (box->clickedButton() != lose)
            return;
        discarding_ = true;
        close();
        discarding_ = false;
    });
    box->open();
}

void ScaleWindow::notice(const QString& text)
{
    if (hooks_.notice) {
        hooks_.notice(text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace haberes
