# CLI11 and nlohmann JSON are header-only, so a cross build can use the copies
# installed for the build host. Only their two folders join the include path
# (through links in the build tree), never the host's whole /usr/include, whose
# C library headers would shadow MinGW's. The config files written here let the
# usual find_package() calls find them.
set(_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${_headers}/include ${_headers}/cmake)
foreach(_package IN ITEMS "CLI11;CLI11::CLI11;CLI/CLI.hpp" "nlohmann_json;nlohmann_json::nlohmann_json;nlohmann/json.hpp")
    list(GET _package 0 _name)
    list(GET _package 1 _target)
    list(GET _package 2 _header)
    cmake_path(GET _header PARENT_PATH _folder)
    if(NOT EXISTS ${YARDMARK_HOST_HEADERS}/${_header})
        message(FATAL_ERROR "${YARDMARK_HOST_HEADERS}/${_header} is missing (scripts/bootstrap installs it)")
    endif()
    file(CREATE_LINK ${YARDMARK_HOST_HEADERS}/${_folder} ${_headers}/include/${_folder} SYMBOLIC)
    file(WRITE ${_headers}/cmake/${_name}Config.cmake
        "if(NOT TARGET ${_target})\n"
        "    add_library(${_target} INTERFACE IMPORTED)\n"
        "    set_target_properties(${_target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES \"${_headers}/include\")\n"
        "endif()\n")
    set(${_name}_DIR ${_headers}/cmake CACHE PATH "" FORCE)
endforeach()
