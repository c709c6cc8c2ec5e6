# Writes the service worker with a version made of the contents of the files
# it caches, so that a new build replaces what browsers kept.
set(contents "")
foreach(f index.html app.js style.css haberes.js haberes.wasm manifest.webmanifest icon.svg)
  file(SHA256 ${SITE}/${f} h)
  string(APPEND contents ${h})
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 HABERES_WEB_VERSION)
configure_file(${WORKER} ${SITE}/sw.js @ONLY)
