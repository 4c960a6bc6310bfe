# Writes the AppStream metadata OUT from its TEMPLATE with PROJECT_VERSION, PANIPANI_RELEASE_DATE
# and PANIPANI_SCREENSHOT_URL. AppStream takes screenshots only by web address, so the screenshot
# element is written only when one is given. Included by CMakeLists.txt; the package test runs it
# with `cmake -P` to check the element an address adds.

set(PANIPANI_METAINFO_SCREENSHOTS "")
if(PANIPANI_SCREENSHOT_URL)
  string(CONCAT PANIPANI_METAINFO_SCREENSHOTS
         "  <screenshots>\n"
         "    <screenshot type=\"default\">\n"
         "      <caption>A battle in the first level of the network world</caption>\n"
         "      <image type=\"source\" width=\"390\" height=\"260\">${PANIPANI_SCREENSHOT_URL}</image>\n"
         "    </screenshot>\n"
         "  </screenshots>\n")
endif()
configure_file("${TEMPLATE}" "${OUT}" @ONLY)
