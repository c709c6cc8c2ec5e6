#include "entry/scale_menu.h"

#include "entry/qt_text.h"
#include "entry/scale_choice.h"
#include "engine/pay_scale.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace haberes {

ScaleMenu::ScaleMenu(QMenuBar* bar, ScaleChoice* choice, Windows windows, QObject* parent)
    : QObject(parent), choice_(choice), windows_(std::move(windows))
{
    menu_ = bar->addMenu(QStringLiteral("&Escala"));
    menu_->setObjectName(QStringLiteral("menuEscala"));
    QAction* ver = menu_->addAction(QStringLiteral("&Ver escala…"), this, [this] {
        if (windows_.view)
            windows_.view();
    });
    ver->setObjectName(QStringLiteral("verEscala"));
    QAction* nueva = menu_->addAction(QStringLiteral("&Nueva escala…"), this, [this] {
        if (windows_.make)
            windows_.make();
    });
    nueva->setObjectName(QStringLiteral("nuevaEscala"));
    QAction* abrir = menu_->addAction(QStringLiteral("&Abrir escala…"), choice_, &ScaleChoice::open);
    abrir->setObjectName(QStringLiteral("abrirEscalaMenu"));
    menu_->addSeparator();
    remove_ = menu_->addAction(QStringLiteral("&Borrar escala…"), this, &ScaleMenu::removeChosen);
    remove_->setObjectName(QStringLiteral("borrarEscala"));
    connect(menu_, &QMenu::aboutToShow, this, &ScaleMenu::update);
    connect(choice_, &ScaleChoice::scaleChanged, this, &ScaleMenu::update);
    update();
}

ScaleMenu::~ScaleMenu() = default;

void ScaleMenu::setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

void ScaleMenu::update()
{
    const bool users = choice_->chosenIsUsers();
    remove_->setEnabled(users);
    // Said where the item is greyed, so that nobody wonders why.
    remove_->setToolTip(users ? QStringLiteral("Manda el archivo de la escala elegida a la papelera")
                              : QStringLiteral("Sólo se pueden borrar las escalas que agregaste o hiciste vos"));
}

void ScaleMenu::removeChosen()
{
    if (!choice_->chosenIsUsers())
        return;
    const QString path = choice_->scalePath();
    const QString name = qtext(choice_->scale().nombre);
    const QString question = QStringLiteral("¿Borrar la escala «%1»?\n\nSu archivo «%2» va a ir a la papelera; "
                                            "los datos guardados con esta escala ya no se van a poder abrir con ella.")
                                 .arg(name, QFileInfo(path).fileName());
    if (hooks_.confirm) {
        if (hooks_.confirm(question))
            removeFile(path);
        return;
    }
    if (question_) {
        question_->raise();
        question_->activateWindow();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Borrar escala"), question, QMessageBox::NoButton,
                                choice_->window());
    box->setObjectName(QStringLiteral("preguntaBorrarEscala"));
    QPushButton* yes = box->addButton(QStringLiteral("Borrar"), QMessageBox::DestructiveRole);
    box->setDefaultButton(box->addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole));
    box->setAttribute(Qt::WA_DeleteOnClose);
    question_ = box;
    connect(box, &QMessageBox::finished, this, [this, box, yes, path] {
        if (box->clickedButton() == yes)
            removeFile(path);
    });
    box->open();
}

bool ScaleMenu::removeFile(const QString& path)
{
    const bool trashed = hooks_.trash ? hooks_.trash(path) : QFile::moveToTrash(path);
    if (!trashed) {
        notice(QStringLiteral("No se pudo mandar «%1» a la papelera; la escala sigue en la lista.").arg(path));
        return false;
    }
    choice_->removeScale(path);
    return true;
}

void ScaleMenu::notice(const QString& text)
{
    if (hooks_.notice) {
        hooks_.notice(text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Escalas"), text, QMessageBox::Ok, choice_->window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace haberes
