#pragma once
// libcups, loaded the first time printing needs it. Linked in, it and what
// it brings (TLS, Kerberos, Avahi) were loaded at every start-up, about a
// tenth of the time to the first window, for a payslip printed now and then.
#include <cups/cups.h>

namespace haberes {

#define HABERES_CUPS_FUNCTIONS(X)                                                                              \
    X(cupsLastErrorString) X(cupsFreeDests) X(cupsDoRequest) X(cupsUser) X(cupsGetDests2) X(cupsCreateJob)     \
    X(cupsStartDocument) X(cupsWriteRequestData) X(cupsFinishDocument) X(cupsCancelJob2) X(ippDelete)          \
    X(ippFindAttribute) X(ippGetInteger) X(ippGetCount) X(ippGetString) X(ippNewRequest) X(ippAddString)       \
    X(ippAddStrings)

// The functions this program uses, with libcups's own types.
struct CupsLibrary {
#define HABERES_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    HABERES_CUPS_FUNCTIONS(HABERES_CUPS_POINTER)
#undef HABERES_CUPS_POINTER
};

// Loaded once; null when libcups or one of its functions is missing, which
// the windows treat as no printer at all (the PDF is offered).
const CupsLibrary* cupsLibrary();

} // namespace haberes
