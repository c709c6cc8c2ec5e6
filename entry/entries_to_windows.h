#pragma once
// Saved entries put back into the entry window and the position dialog as
// if the user typed them: each choice is made through its own control, so
// the boxes it shows, hides and resets behave as they do for a user. Nothing
// is computed.
#include "engine/pay_input.h"

namespace haberes {

class EntryWindow;

void enterIntoWindows(EntryWindow& window, const PayEntries& entries);

} // namespace haberes
