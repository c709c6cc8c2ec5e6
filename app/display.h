#pragma once
// Whether a window can be opened at all, decided before Qt is started: Qt
// itself would abort with a message in English about its platform plugin.

namespace haberes {

// True when DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM names a display.
bool displayConfigured();

inline constexpr const char* kNoDisplayMessage =
    "haberes: no hay pantalla disponible (ni DISPLAY ni WAYLAND_DISPLAY están definidos); "
    "no se puede abrir la ventana.\n";

} // namespace haberes
