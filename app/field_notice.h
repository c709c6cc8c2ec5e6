#pragma once
// How the user learns why "Calcular" refused a box: a message that does not
// block the windows. Tests put a recorder in its place.
#include <QString>
#include <functional>

class QWidget;

namespace haberes {

// near: the window that holds the refused box.
using FieldNotice = std::function<void(QWidget* near, const QString& message)>;

// A non-modal warning box over `near`; one at a time, the last message wins.
FieldNotice messageBoxNotice();

} // namespace haberes
