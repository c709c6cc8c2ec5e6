#pragma once
// What "Calcular" hands to the engine: the pay input record as the entry
// window and the position dialog hold it right now.
#include "engine/pay_input.h"

namespace haberes {

class EntryWindow;

// The position fields come from the dialog (empty if it was never opened),
// not from the echo labels of the entry window.
PayEntries entriesFromWindows(const EntryWindow& window);

} // namespace haberes
