#pragma once
// The JSON texts the web page receives besides haberes-cli's results: what
// it shows of a scale, and an opened entries file.
#include "engine/pay_scale.h"

#include <string>
#include <string_view>

namespace haberes::web {

// {"ok": true, "nombre", "tituloRecibo", "vigencia" ("AAAA-MM"),
//  "cargos": [{"codigo", "nombre", "puntos": [the five point boxes]}],
//  "antiguedad": [{"caption", "texto"}], "zonas": [...],
//  "textos": {the page's fixed messages}}
std::string scaleDescription(const PayScale& scale);

// {"ok": true, "registro": {record keys}} when fileText is an entries file
// the desktop program opens under `scale`, with "aviso" saying so when the
// file names another scale; or {"ok": false, "error"} in its words.
std::string openedEntries(std::string_view fileText, std::string_view fileName, const PayScale& scale);

} // namespace haberes::web
