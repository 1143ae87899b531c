# Resources compiled into the program as byte arrays, so the templates and default texts
# are exactly the bytes of the files in resources/ (no line-end or code-page translation).
#
# vloz_soubory(TARGET name SOUBORY a.wrl b.tst) generates one source holding
#   extern const std::string_view <symbol>;  for each file, symbol = file name with
#   every character outside [A-Za-z0-9] replaced by '_'.
function(vloz_soubory)
    cmake_parse_arguments(V "" "TARGET;HLAVICKA" "SOUBORY" ${ARGN})
    set(vystup "${CMAKE_CURRENT_BINARY_DIR}/${V_TARGET}_data.cpp")
    set(vstupy)
    foreach(soubor IN LISTS V_SOUBORY)
        get_filename_component(abs "${soubor}" ABSOLUTE BASE_DIR "${PROJECT_SOURCE_DIR}")
        list(APPEND vstupy "${abs}")
    endforeach()
    add_custom_command(
        OUTPUT "${vystup}"
        COMMAND ${CMAKE_COMMAND} "-DVYSTUP=${vystup}" "-DVSTUPY=${vstupy}"
                -P "${PROJECT_SOURCE_DIR}/cmake/VlozSouboryScript.cmake"
        DEPENDS ${vstupy} "${PROJECT_SOURCE_DIR}/cmake/VlozSouboryScript.cmake"
        COMMENT "Embedding resources for ${V_TARGET}"
        VERBATIM)
    target_sources(${V_TARGET} PRIVATE "${vystup}")
endfunction()
