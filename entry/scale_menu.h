#pragma once
// The menu "Escala" of the entry window: "Ver escala…" and "Nueva escala…"
// open the scale window on the chosen scale, "Abrir escala…" is the button
// beside the choice, and "Borrar escala…" sends one of the user's own scale
// files to the desktop's trash after asking. The built-in scale and the
// system's scales cannot be removed.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace haberes {

class ScaleChoice;

class ScaleMenu : public QObject {
    Q_OBJECT
public:
    // What the menu asks of the machine and the user; an empty hook keeps
    // the real one (a question box, a message box, the desktop's trash).
    struct Hooks {
        // Asked, and answered, while the action runs: whether to go on.
        std::function<bool(const QString& question)> confirm;
        std::function<void(const QString& text)> notice;
        // Sends the file to the trash; false when it could not.
        std::function<bool(const QString& path)> trash;
    };
    // What "Ver escala…" and "Nueva escala…" open; the owner shows the scale
    // window on the choice's scale.
    struct Windows {
        std::function<void()> view;
        std::function<void()> make;
    };

    ScaleMenu(QMenuBar* bar, ScaleChoice* choice, Windows windows, QObject* parent = nullptr);
    ~ScaleMenu() override;

    void setHooks(Hooks hooks);

    QMenu* menu() const { return menu_; }
    QAction* removeAction() const { return remove_; }

    // "Borrar escala…": the chosen scale, when it is one of the user's files,
    // after the question. Without a confirm hook the question is shown and
    // this returns at once.
    void removeChosen();
    // Removes the file now, without asking; false, with a message, when the
    // trash refused it (the scale stays offered).
    bool removeFile(const QString& path);

private:
    void update();
    void notice(const QString& text);

    ScaleChoice* choice_;
    Windows windows_;
    Hooks hooks_;
    QMenu* menu_ = nullptr;
    QAction* remove_ = nullptr;
    QPointer<QWidget> question_;
};

} // namespace haberes
