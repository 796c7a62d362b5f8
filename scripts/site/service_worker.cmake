# Writes the site's service worker from its template: the files it keeps, and the name
# of their cache, a digest of their names and contents, so that every build that
# changes a file has a cache of its own and replaces the one kept before.
# Usage: cmake -DSITE=folder -DFILES="a;b;..." -DPROGRAM=name -DTEMPLATE=sw.js -P service_worker.cmake
# PROGRAM names the cache, so that sites of other programs on the same server keep theirs.
foreach(var SITE FILES PROGRAM TEMPLATE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "service_worker.cmake: ${var} is not given")
  endif()
endforeach()

set(manifest "")
list(SORT FILES)
foreach(name IN LISTS FILES)
  if(NOT EXISTS ${SITE}/${name})
    message(FATAL_ERROR "service_worker.cmake: ${SITE}/${name} is missing")
  endif()
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND manifest "${name} ${digest}\n")
endforeach()
string(SHA256 build_digest "${manifest}")
string(SUBSTRING ${build_digest} 0 16 GFX_WEB_BUILD_DIGEST)
list(JOIN FILES " " GFX_WEB_KEPT_FILES)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
