# Assembles build-web/site (cmake -DSOURCE=... -DBINARY=... -P web_site.cmake): every file a
# static web server needs, and the service worker with their list and a version that changes
# whenever any of them does.
set(site ${BINARY}/site)
file(REMOVE_RECURSE ${site})
file(MAKE_DIRECTORY ${site}/icons)
file(GLOB page ${SOURCE}/web/*)
list(FILTER page EXCLUDE REGEX "/sw\\.js$")
file(COPY ${page} DESTINATION ${site})
foreach(part quorrel.wasm quorrel.data)
  file(COPY ${BINARY}/${part} DESTINATION ${site})
endforeach()
# The data package's random name becomes its hash, so that a build of the same sources makes
# the same site and the players' caches are kept.
file(SHA256 ${BINARY}/quorrel.data data_hash)
file(READ ${BINARY}/quorrel.js loader)
string(REGEX REPLACE "\"package_uuid\":\"[^\"]*\"" "\"package_uuid\":\"${data_hash}\""
  loader "${loader}")
file(WRITE ${site}/quorrel.js "${loader}")
file(COPY ${SOURCE}/help DESTINATION ${site})
# Each other language's recordings, fetched when the language is first chosen.
file(GLOB voices LIST_DIRECTORIES true ${SOURCE}/Media/*)
foreach(folder ${voices})
  if(IS_DIRECTORY ${folder})
    file(COPY ${folder} DESTINATION ${site}/Media)
  endif()
endforeach()
file(COPY ${SOURCE}/data/icons/192.png ${SOURCE}/data/icons/512.png DESTINATION ${site}/icons)
file(COPY_FILE ${SOURCE}/pictures/title@2x.png ${site}/title.png)

file(GLOB_RECURSE files RELATIVE ${site} ${site}/*)
list(SORT files)
# The version covers every file. The first visit keeps all but the other languages'
# recordings and the printable help pages (the game has its help inside), which the worker
# keeps as they are fetched.
set(list "'./'")
set(hashes "")
foreach(f ${files})
  file(SHA256 ${site}/${f} hash)
  string(APPEND hashes "${f} ${hash}\n")
  if(NOT f MATCHES "^(Media|help)/")
    string(APPEND list ", '${f}'")
  endif()
endforeach()
file(READ ${SOURCE}/web/sw.js worker)
string(SHA256 version "${hashes}${worker}")
string(SUBSTRING ${version} 0 16 version)
string(REPLACE "@VERSION@" ${version} worker "${worker}")
string(REPLACE "@FILES@" "${list}" worker "${worker}")
file(WRITE ${site}/sw.js "${worker}")
