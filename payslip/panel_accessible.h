#pragma once
// What a screen reader finds in the panel "Recibo de haberes": its texts in
// reading order (the teacher's name, then row by row code, quantity,
// concept and amount, then each total after its caption), without the
// drawn rules and without cells that are hidden or empty.

namespace haberes {

class PanelFrame;

// Gives every PanelFrame its reading order from then on; installs once.
void installPanelAccessibility();

// The panel's interface, if one was made before the panel was whole (a
// screen reader asks while widgets are built), is made anew.
void refreshPanelAccessibility(PanelFrame* panel);

} // namespace haberes
