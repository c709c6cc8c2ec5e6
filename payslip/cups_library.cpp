#include "payslip/cups_library.h"

#include <dlfcn.h>

namespace haberes {

namespace {

const CupsLibrary* load()
{
    // The soname of Debian's libcups2; never unloaded.
    void* handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    static CupsLibrary library;
    bool complete = true;
#define HABERES_CUPS_RESOLVE(name)                                                                             \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name));                             \
    complete = complete && library.name != nullptr;
    HABERES_CUPS_FUNCTIONS(HABERES_CUPS_RESOLVE)
#undef HABERES_CUPS_RESOLVE
    return complete ? &library : nullptr;
}

} // namespace

const CupsLibrary* cupsLibrary()
{
    static const CupsLibrary* const library = load();
    return library;
}

} // namespace haberes
