#include "entry/entries_menu.h"

#include "common/dialog_open.h"
#include "common/file_names.h"
#include "engine/messages.h"
#include "entry/entries_file.h"
#include "entry/qt_text.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace haberes {

namespace {

const QString kRecentKey = QStringLiteral("datos/recientes");
const QString kFolderKey = QStringLiteral("datos/carpeta");
const QString kFilter = QStringLiteral("Datos de haberes (*.json);;Todos los archivos (*)");

// A teacher's name as a file name: no folder separators or characters
// some file systems refuse.
QString fileNameFor(const QString& teacher)
{
    QString name = teacher.simplified();
    for (QChar& ch : name)
        if (refusedInFileNames(ch))
            ch = QLatin1Char('_');
    return name.isEmpty() ? QStringLiteral("datos de haberes") : name;
}

} // namespace

EntriesMenu::EntriesMenu(QWidget* window, Entries entries, QObject* parent)
    : QObject(parent), window_(window), entries_(std::move(entries))
{
    bar_ = new QMenuBar(window);
    bar_->setObjectName(QStringLiteral("menuDatos"));
    QMenu* archivo = bar_->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("menuArchivo"));
    archivo_ = archivo;

    QAction* abrir = archivo->addAction(QStringLiteral("&Abrir datos…"), this, &EntriesMenu::open);
    abrir->setObjectName(QStringLiteral("abrirDatos"));
    abrir->setShortcut(QKeySequence::Open);
    recent_ = archivo->addMenu(QStringLiteral("Abrir &reciente"));
    recent_->setObjectName(QStringLiteral("recientes"));
    // The settings are read when the menu opens, not while the window is
    // first drawn.
    connect(archivo, &QMenu::aboutToShow, this, &EntriesMenu::fillRecentMenu);
    connect(recent_, &QMenu::aboutToShow, this, &EntriesMenu::fillRecentMenu);
    archivo->addSeparator();
    QAction* guardar = archivo->addAction(QStringLiteral("&Guardar datos…"), this, &EntriesMenu::save);
    guardar->setObjectName(QStringLiteral("guardarDatos"));
    guardar->setShortcut(QKeySequence::Save);
    // The shortcuts work with the menu closed, anywhere in the window.
    window->addAction(abrir);
    window->addAction(guardar);

    if (window->layout())
        window->layout()->setMenuBar(bar_);
    // First among the window's children, as it is first on screen: screen
    // readers list the children in that order.
    bar_->lower();
}

EntriesMenu::~EntriesMenu() = default;

void EntriesMenu::setHooks(Hooks hooks)
{
    hooks_ = std::move(hooks);
}

std::unique_ptr<QSettings> EntriesMenu::settings() const
{
    if (hooks_.settings)
        return hooks_.settings();
    return std::make_unique<QSettings>(QStringLiteral("haberes"), QStringLiteral("haberes"));
}

void EntriesMenu::notice(const QString& text)
{
    if (hooks_.notice) {
        hooks_.notice(text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Datos de haberes"), text, QMessageBox::Ok,
                                window_);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

QStringList EntriesMenu::recentFiles() const
{
    return settings()->value(kRecentKey).toStringList();
}

void EntriesMenu::remember(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    auto s = settings();
    QStringList files = s->value(kRecentKey).toStringList();
    files.removeAll(full);
    files.prepend(full);
    while (files.size() > kRecentCount)
        files.removeLast();
    s->setValue(kRecentKey, files);
    s->setValue(kFolderKey, QFileInfo(full).absolutePath());
    fillRecentMenu();
}

void EntriesMenu::forget(const QString& path)
{
    auto s = settings();
    QStringList files = s->value(kRecentKey).toStringList();
    if (files.removeAll(QFileInfo(path).absoluteFilePath()) > 0)
        s->setValue(kRecentKey, files);
    fillRecentMenu();
}

void EntriesMenu::fillRecentMenu()
{
    recent_->clear();
    const QStringList files = recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* a = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()),
                                        this, [this, path] { openFile(path); });
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setStatusTip(a->toolTip());
    }
    recent_->setEnabled(!files.isEmpty());
}

QString EntriesMenu::startFolder() const
{
    const QString remembered = settings()->value(kFolderKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString EntriesMenu::suggestedPath() const
{
    const SavedEntries saved = entries_.gather();
    return QDir(startFolder()).filePath(fileNameFor(QString::fromStdString(saved.entries.docente)) +
                                        QStringLiteral(".json"));
}

void EntriesMenu::open()
{
    const QString folder = startFolder();
    if (hooks_.openPath) {
        const QString path = hooks_.openPath(folder);
        if (!path.isEmpty())
            openFile(path);
        return;
    }
    if (raiseOpenDialog())
        return;
    auto* dialog = new QFileDialog(window_, QStringLiteral("Abrir datos"), folder, kFilter);
    dialog->setObjectName(QStringLiteral("dialogoAbrirDatos"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog_ = dialog;
    openFileDialog(dialog, this, [this](const QString& path) { openFile(path); });
}

// Checked whole before anything is entered: a refused file leaves every
// window as it was.
bool EntriesMenu::openFile(const QString& path)
{
    const EntriesFileRead read = readEntriesFile(path, entries_.scaleFor);
    if (!read.saved) {
        if (!QFileInfo::exists(path))
            forget(path);
        notice(read.error);
        return false;
    }
    entries_.enter(*read.saved);
    remember(path);
    if (read.saved->escala && *read.saved->escala != read.scale->nombre)
        notice(qtext(scaleMissingNotice(*read.saved->escala, read.scale->nombre)));
    return true;
}

void EntriesMenu::save()
{
    if (hooks_.savePath) {
        const QString path = hooks_.savePath(suggestedPath());
        if (!path.isEmpty())
            saveFile(path);
        return;
    }
    if (raiseOpenDialog())
        return;
    auto* dialog = new QFileDialog(window_, QStringLiteral("Guardar datos"));
    dialog->setObjectName(QStringLiteral("dialogoGuardarDatos"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(kFilter);
    dialog->setDefaultSuffix(QStringLiteral("json"));
    dialog->selectFile(suggestedPath());
    dialog_ = dialog;
    openFileDialog(dialog, this, [this](const QString& path) { saveFile(path); });
}

// One file dialog at a time: a second "Abrir" or "Guardar" (a shortcut
// reaches past a window-modal dialog's parent) brings the open one forward.
bool EntriesMenu::raiseOpenDialog()
{
    if (!dialog_)
        return false;
    dialog_->raise();
    dialog_->activateWindow();
    return true;
}

bool EntriesMenu::saveFile(const QString& path)
{
    const SavedEntries saved = entries_.gather();
    const PayScale& scale = entries_.scaleFor ? entries_.scaleFor(saved.escala) : builtinScale();
    QString error;
    if (!writeEntriesFile(path, entriesFileText(saved, scale), error)) {
        notice(error);
        return false;
    }
    remember(path);
    return true;
}

} // namespace haberes
