#pragma once
// The menu bar "Archivo" above the entry window: "Abrir datos…" (Ctrl+O),
// the recently used files, and "Guardar datos…" (Ctrl+S). It reads and
// writes the files; what the entries are, and where they go, is asked of
// its owner.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QFileDialog;
class QMenu;
class QMenuBar;
class QSettings;
class QWidget;

namespace haberes {

// Declared, not included: moc cannot parse the engine's headers.
struct PayScale;
struct SavedEntries;

class EntriesMenu : public QObject {
    Q_OBJECT
public:
    // What the windows hold right now, and putting a file's entries into them
    // (choosing the scale they name first, when it is offered).
    struct Entries {
        std::function<SavedEntries()> gather;
        std::function<void(const SavedEntries&)> enter;
        // The scale entries naming a scale (or none) are checked and written
        // under: the one offered by that name, else the one chosen. Without
        // it, the built-in scale.
        std::function<const PayScale&(const std::optional<std::string>& name)> scaleFor;
    };
    // What the menu asks of the machine and the user; an empty hook keeps the
    // real one (file dialogs, a message box, the user's settings). Tests set
    // them so that nothing blocks and no real setting is touched.
    struct Hooks {
        // A file to open, starting in `folder`; empty when cancelled.
        std::function<QString(const QString& folder)> openPath;
        // Where to save, starting from a suggested path; empty when cancelled.
    // Both are asked, and answered, while the action runs.
        std::function<QString(const QString& suggested)> savePath;
        std::function<void(const QString& text)> notice;
        std::function<std::unique_ptr<QSettings>()> settings;
    };

    // Puts the menu bar on top of `window`'s layout.
    EntriesMenu(QWidget* window, Entries entries, QObject* parent = nullptr);
    ~EntriesMenu() override;

    void setHooks(Hooks hooks);

    // The menu's actions, by what they do. Without a hook, open and save
    // show their file dialog and return at once; the file is read or
    // written when the dialog is accepted. A file naming a scale that is
    // not offered opens under the chosen one, and the notice says so.
    void open();
    bool openFile(const QString& path);
    void save();
    bool saveFile(const QString& path);

    QMenuBar* menuBar() const { return bar_; }
    QMenu* fileMenu() const { return archivo_; }
    QStringList recentFiles() const;

    static constexpr int kRecentCount = 5;

private:
    std::unique_ptr<QSettings> settings() const;
    void notice(const QString& text);
    void remember(const QString& path);
    void forget(const QString& path);
    void fillRecentMenu();
    QString startFolder() const;
    QString suggestedPath() const;
    bool raiseOpenDialog();

    QWidget* window_;
    Entries entries_;
    Hooks hooks_;
    QMenuBar* bar_ = nullptr;
    QMenu* archivo_ = nullptr;
    QMenu* recent_ = nullptr;
    QPointer<QFileDialog> dialog_;
};

} // namespace haberes
