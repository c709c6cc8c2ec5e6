#include "entry/scale_choice.h"

#include "common/dialog_open.h"
#include "entry/qt_text.h"
#include "scale/scale_catalog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>

namespace haberes {

namespace {

// The name, and for a scale not yet in force the month it starts: chosen by
// mistake it would price months it does not belong to.
QString itemText(const PayScale& scale, QDate today)
{
    const QString name = qtext(scale.nombre);
    if (inForce(scale, today))
        return name;
    const QString month = QLocale(QLocale::Spanish, QLocale::Argentina)
                              .standaloneMonthName(scale.vigenciaMes, QLocale::LongFormat)
                              .toLower();
    return QStringLiteral("%1 (todavía no rige: desde %2 de %3)").arg(name, month).arg(scale.vigenciaAnio);
}

} // namespace

struct ScaleChoice::State {
    // In the order the box lists them.
    std::vector<ScaleEntry> scales;
    QString userFolder = userScaleFolder();
    // Whether a scale is in force is judged against this day.
    QDate today = QDate::currentDate();
    QPointer<QMessageBox> message;
    QPointer<QFileDialog> dialog;
};

ScaleChoice::ScaleChoice(QWidget* parent) : QWidget(parent), state_(std::make_unique<State>())
{
    setObjectName(QStringLiteral("eleccionescala"));
    auto* caption = new QLabel(QStringLiteral("Escala:"), this);
    caption->setObjectName(QStringLiteral("lblescala"));
    box_ = new QComboBox(this);
    box_->setObjectName(QStringLiteral("escala"));
    box_->setToolTip(QStringLiteral("Escala salarial con la que se calcula"));
    box_->setAccessibleName(QStringLiteral("Escala:"));
    box_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    caption->setBuddy(box_);
    open_ = new QPushButton(QStringLiteral("Abrir escala…"), this);
    open_->setObjectName(QStringLiteral("abrirescala"));
    open_->setToolTip(QStringLiteral("Agregar una escala desde un archivo"));
    open_->setAutoDefault(false);
    open_->setAccessibleName(open_->text());

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(caption);
    row->addWidget(box_);
    row->addWidget(open_);

    state_->scales.push_back({std::shared_ptr<const PayScale>(&builtinScale(), [](const PayScale*) {}), QString()});
    fill(0);
    connect(box_, &QComboBox::currentIndexChanged, this, [this] { emit scaleChanged(); });
    connect(open_, &QPushButton::clicked, this, &ScaleChoice::open);
}

ScaleChoice::~ScaleChoice() = default;

void ScaleChoice::setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

void ScaleChoice::setUserFolder(const QString& folder) { state_->userFolder = folder; }

QString ScaleChoice::userFolder() const { return state_->userFolder; }

const PayScale& ScaleChoice::scale() const
{
    const int i = box_->currentIndex();
    return *state_->scales[static_cast<std::size_t>(i < 0 ? 0 : i)].scale;
}

QString ScaleChoice::scalePath() const
{
    const int i = box_->currentIndex();
    return state_->scales[static_cast<std::size_t>(i < 0 ? 0 : i)].path;
}

bool ScaleChoice::chosenIsUsers() const
{
    const QString path = scalePath();
    return !path.isEmpty() && !state_->userFolder.isEmpty() &&
           QFileInfo(path).absoluteDir() == QDir(state_->userFolder);
}

QStringList ScaleChoice::scaleNames() const
{
    QStringList names;
    for (const ScaleEntry& e : state_->scales)
        names << qtext(e.scale->nombre);
    return names;
}

bool ScaleChoice::removeScale(const QString& path)
{
    auto& scales = state_->scales;
    const auto gone = std::find_if(scales.begin(), scales.end(),
                                   [&](const ScaleEntry& e) { return !e.builtin() && e.path == path; });
    if (gone == scales.end())
        return false;
    const bool wasChosen = gone->path == scalePath();
    const QString chosen = scalePath();
    scales.erase(gone);
    if (!wasChosen) {
        const auto keep = std::find_if(scales.begin(), scales.end(), [&](const ScaleEntry& e) { return e.path == chosen; });
        const QSignalBlocker quiet(this);
        fill(static_cast<int>(keep - scales.begin()));
        return true;
    }
    ScaleCatalog rest;
    rest.scales = scales;
    fill(static_cast<int>(startingScale(rest, state_->today)));
    return true;
}

namespace {

int offeredIndex(const std::vector<ScaleEntry>& scales, int current, const std::string& name)
{
    if (current >= 0 && static_cast<std::size_t>(current) < scales.size() &&
        scales[static_cast<std::size_t>(current)].scale->nombre == name)
        return current;
    for (std::size_t i = 0; i < scales.size(); ++i)
        if (scales[i].scale->nombre == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace

const PayScale* ScaleChoice::offered(const QString& name) const
{
    const int i = offeredIndex(state_->scales, box_->currentIndex(), utf8(name));
    return i < 0 ? nullptr : state_->scales[static_cast<std::size_t>(i)].scale.get();
}

bool ScaleChoice::chooseScale(const QString& name)
{
    const int i = offeredIndex(state_->scales, box_->currentIndex(), utf8(name));
    if (i < 0)
        return false;
    box_->setCurrentIndex(i);
    return true;
}

void ScaleChoice::fill(int current)
{
    {
        const QSignalBlocker quiet(box_);
        box_->clear();
        for (const ScaleEntry& e : state_->scales) {
            box_->addItem(itemText(*e.scale, state_->today));
            box_->setItemData(box_->count() - 1,
                              e.builtin() ? QStringLiteral("Escala incorporada, vigente desde %1").arg(effectiveMonth(*e.scale))
                                          : QStringLiteral("%1, vigente desde %2").arg(e.path, effectiveMonth(*e.scale)),
                              Qt::ToolTipRole);
        }
        box_->setCurrentIndex(current);
    }
    emit scaleChanged();
}

void ScaleChoice::setCatalog(const ScaleCatalog& catalog, QDate today)
{
    state_->scales = catalog.scales;
    state_->today = today;
    fill(static_cast<int>(startingScale(catalog, today)));
    if (!catalog.problems.isEmpty())
        notice(QStringLiteral("Estas escalas quedaron fuera:\n\n") + catalog.problems.join(u'\n'));
}

void ScaleChoice::open()
{
    if (hooks_.openPath) {
        const QString path = hooks_.openPath();
        if (!path.isEmpty())
            openFile(path);
        return;
    }
    if (state_->dialog) {
        state_->dialog->raise();
        state_->dialog->activateWindow();
        return;
    }
    auto* dialog = new QFileDialog(window(), QStringLiteral("Abrir escala"), QString(),
                                   QStringLiteral("Escalas (*.json);;Todos los archivos (*)"));
    dialog->setObjectName(QStringLiteral("dialogoAbrirEscala"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    state_->dialog = dialog;
    openFileDialog(dialog, this, [this](const QString& path) { openFile(path); });
}

bool ScaleChoice::openFile(const QString& path)
{
    const InstallResult r = installScale(path, state_->userFolder);
    if (!r.entry) {
        notice(r.error);
        return false;
    }
    auto& scales = state_->scales;
    // The same copy opened again is chosen, not listed twice.
    auto same = std::find_if(scales.begin(), scales.end(), [&](const ScaleEntry& e) { return e.path == r.entry->path; });
    if (same != scales.end())
        *same = *r.entry;
    else
        scales.push_back(*r.entry);
    std::stable_sort(scales.begin(), scales.end(), [](const ScaleEntry& a, const ScaleEntry& b) {
        return a.scale->vigenciaAnio * 12 + a.scale->vigenciaMes > b.scale->vigenciaAnio * 12 + b.scale->vigenciaMes;
    });
    const auto chosen = std::find_if(scales.begin(), scales.end(),
                                     [&](const ScaleEntry& e) { return e.path == r.entry->path; });
    fill(static_cast<int>(chosen - scales.begin()));
    return true;
}

void ScaleChoice::notice(const QString& text)
{
    if (hooks_.notice) {
        hooks_.notice(text);
        return;
    }
    // Non-modal: the entry window stays usable beside it.
    if (state_->message)
        state_->message->close();
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Escalas"), text, QMessageBox::Ok, window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    state_->message = box;
    box->show();
}

} // namespace haberes
