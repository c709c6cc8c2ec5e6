#pragma once
// The "Escala" choice of the entry window: the scales the program offers, by
// name, newest effective month first, and "Abrir escala…", which checks a
// file and keeps a copy of it among the user's scales.
#include <QDate>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QPushButton;

namespace haberes {

// Declared, not included: moc cannot parse the engine's headers.
struct PayScale;
struct ScaleCatalog;

class ScaleChoice : public QWidget {
    Q_OBJECT
public:
    // What the choice asks of the machine and the user; an empty hook keeps
    // the real one (a file dialog, a non-modal message box).
    struct Hooks {
        // A scale file to open; empty when cancelled.
        std::function<QString()> openPath;
        std::function<void(const QString& text)> notice;
    };

    // Offers the built-in scale alone until setCatalog.
    explicit ScaleChoice(QWidget* parent = nullptr);
    ~ScaleChoice() override;

    void setHooks(Hooks hooks);
    // Offers the catalog's scales, starting on the newest whose month is not
    // after today's, and tells of the files it left out. A scale whose month
    // is after today's says so beside its name.
    void setCatalog(const ScaleCatalog& catalog, QDate today);
    // Where "Abrir escala…" keeps its copies (the user's scale folder).
    void setUserFolder(const QString& folder);
    QString userFolder() const;

    // The chosen scale; it lives as long as this choice.
    const PayScale& scale() const;
    // The chosen scale's file; empty for the built-in scale.
    QString scalePath() const;
    // Whether the chosen scale is a file of the user's scale folder, which
    // the user may remove (the built-in and the system's scales stay).
    bool chosenIsUsers() const;
    // The names of the scales offered, in the box's order.
    QStringList scaleNames() const;
    // The offered scale of that name: the chosen one when it is so named,
    // else the first listed; null when none is.
    const PayScale* offered(const QString& name) const;
    // Chooses offered(name); false, and nothing changes, when none is so named.
    bool chooseScale(const QString& name);
    QComboBox* box() const { return box_; }
    QPushButton* openButton() const { return open_; }

    // "Abrir escala…": asks for a file, then openFile; without a hook it
    // shows the file dialog and returns at once.
    void open();
    // A valid file is copied into the user's folder, offered and chosen; an
    // invalid one is refused with its message and changes nothing.
    bool openFile(const QString& path);
    // No longer offers the scale of that file; when it was the chosen one,
    // chooses the one the program starts on.
    bool removeScale(const QString& path);

signals:
    // Another scale was chosen (by the user, by setCatalog or by openFile).
    void scaleChanged();

private:
    struct State;
    void fill(int current);
    void notice(const QString& text);

    std::unique_ptr<State> state_;
    QComboBox* box_ = nullptr;
    QPushButton* open_ = nullptr;
    Hooks hooks_;
};

} // namespace haberes
