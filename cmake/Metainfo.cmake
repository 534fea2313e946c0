# Writes the AppStream metainfo from its template:
#   cmake -DTEMPLATE=... -DOUTPUT=... -DVERSION=... -DDATE=YYYY-MM-DD
#         [-DSCREENSHOT_BASE=https://.../docs] -P Metainfo.cmake
# A screenshot in AppStream is a web address. The pictures are docs/*.png; they
# are listed only when SCREENSHOT_BASE says where docs/ is published, because
# an address the project does not have would send software centres nowhere.

# file, English caption, Japanese caption; the first is the default screenshot.
set(zorva_screenshots
  "screenshot.png|The bundled sample with one area selected and moved|サンプルの画像でエリアを選んで移動したところ"
  "screenshot-responsive.png|A responsive page at three widths|3 つの幅で表示したレスポンシブなページ"
  "screenshot-help.png|The user manual|ユーザーマニュアル")

foreach(var TEMPLATE OUTPUT VERSION DATE)
  if("${${var}}" STREQUAL "")
    message(FATAL_ERROR "Metainfo.cmake: ${var} is not set")
  endif()
endforeach()
if(NOT DATE MATCHES "^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
  message(FATAL_ERROR "Metainfo.cmake: DATE '${DATE}' is not YYYY-MM-DD")
endif()

set(ZORVA_METAINFO_SCREENSHOTS "")
if(NOT "${SCREENSHOT_BASE}" STREQUAL "")
  if(NOT SCREENSHOT_BASE MATCHES "^https?://")
    message(FATAL_ERROR "Metainfo.cmake: SCREENSHOT_BASE '${SCREENSHOT_BASE}' is not a web address")
  endif()
  string(REGEX REPLACE "/+$" "" base "${SCREENSHOT_BASE}")
  set(xml "\n  <screenshots>\n")
  set(kind " type=\"default\"")
  foreach(entry IN LISTS zorva_screenshots)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 file)
    list(GET fields 1 en)
    list(GET fields 2 ja)
    string(APPEND xml "    <screenshot${kind}>\n"
      "      <caption>${en}</caption>\n"
      "      <caption xml:lang=\"ja\">${ja}</caption>\n"
      "      <image>${base}/${file}</image>\n"
      "    </screenshot>\n")
    set(kind "")
  endforeach()
  string(APPEND xml "  </screenshots>")
  set(ZORVA_METAINFO_SCREENSHOTS "${xml}")
endif()

set(ZORVA_METAINFO_VERSION "${VERSION}")
set(ZORVA_METAINFO_DATE "${DATE}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
