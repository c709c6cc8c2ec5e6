#pragma once
// The scale window (ventanaescala): the values of a scale in the groups of
// its file, each with its caption, unit and the July 2010 value, the tables
// of line 006 and the positions as tables (the positions searchable by code
// or name).
//
// Two modes. view ("Ver escala…"): nothing can be typed; the built-in scale
// is only shown so, a new scale made from it is a file of its own. create ("Nueva escala…"): every value starts as the
// start scale's and is checked as it is typed; "Aumentar…" raises groups of
// values by a percentage, "Cambios" lists what differs from the start, and
// "Guardar" writes the new scale into the user's scale folder, named after
// the scale, and says so with saved().
//
// Use from the entry window:
//     auto* w = new ScaleWindow(entry->scale(), ScaleWindow::Mode::create, userScaleFolder(), this);
//     w->setAttribute(Qt::WA_DeleteOnClose);
//     w->setHooks({{}, {}, {}, [choice] { return choice->scaleNames(); }});
//     connect(w, &ScaleWindow::saved, this, [](const QString& path) { /* offer the file, choose it */ });
//     w->show();
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace haberes {

// Declared, not included: moc cannot parse the engine's headers.
struct PayScale;
class ScaleAmountTable;
class ScaleChangesView;
class ScaleEdits;
class ScalePositionsPage;
class ScaleRaiseDialog;
class ScaleValueForm;

class ScaleWindow : public QWidget {
    Q_OBJECT
public:
    enum class Mode { view, create };

    // What the window asks of the user and its owner; an empty hook keeps
    // the real one (a message box that does not hold up the button that
    // opened it; the scales the program finds in its folders).
    struct Hooks {
        // A file named like the new scale is there: true to replace it.
        std::function<bool(const QString& path)> replace;
        // Closing with values not saved: true to lose them.
        std::function<bool()> discard;
        std::function<void(const QString& text)> notice;
        // The names of the installed scales, which a new one may not take.
        std::function<QStringList()> installedNames;
    };

    // start is copied; userFolder is where "Guardar" writes. A parent makes
    // it a window of its own over the parent.
    ScaleWindow(const PayScale& start, Mode mode, const QString& userFolder, QWidget* parent = nullptr);
    ~ScaleWindow() override;

    void setHooks(Hooks hooks);
    Mode mode() const { return mode_; }

    // The group's page, and the list on the left showing it.
    void showGroup(int index);
    // "Aumentar…": opens the raise dialog (window-modal, without waiting).
    ScaleRaiseDialog* showRaise();
    // "Cambios": opens, or brings up, the list of changes.
    ScaleChangesView* showChanges();
    // "Guardar": true when the file was written. A refused value, a name
    // already installed or a failed write is told and writes nothing. Over
    // an existing file it asks first; without a hook it asks with a message
    // box, returns false at once and saves once the user says yes.
    bool save();

signals:
    // A scale was written at path: the owner offers it and chooses it.
    void saved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createUi(const PayScale& start);
    QWidget* createPage(int group);
    void onEdited();
    void refreshAll();
    bool write(const std::string& name, const std::string& text, bool replace);
    void askReplace(const QString& path, const std::string& name, const std::string& text);
    void askDiscard();
    QStringList installedNames() const;
    void goTo(const std::string& path);
    void notice(const QString& text);

    Mode mode_;
    QString userFolder_;
    std::unique_ptr<ScaleEdits> edits_;
    Hooks hooks_;
    QString startName_;
    // The name this window saved last: saving again under it replaces
    // its own file (after asking), not another scale.
    std::string savedName_;
    bool discarding_ = false;

    QListWidget* groups_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLabel* status_ = nullptr;
    std::vector<std::pair<int, ScaleValueForm*>> forms_; // page index, form
    std::vector<ScaleAmountTable*> tables_;
    int tablePage_ = 0;
    ScalePositionsPage* positions_ = nullptr;
    ScaleChangesView* changes_ = nullptr;
};

} // namespace haberes
