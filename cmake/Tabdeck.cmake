# One static library per folder of src/: every .cpp of the folder, globbed so a
# new file needs no edit here. A folder without sources yet is an interface
# library, so dependents can name it from the start.
#
# A library sees only its own headers and those of the libraries it links:
# each gets an include root in the build tree holding links to its own
# headers alone (build/layers/<name>/<folder>/X.h), and the roots travel
# with the DEPS. So "core/ControlFile.h" keeps its spelling, while an upward
# include, or a widget header in a library that links no Qt6::Widgets, fails
# to compile. tests/layers proves both.
# Qt's include root comes with Qt6::Core, so <QtWidgets/QWidget> would still
# be found there: a library that links no Qt6::Widgets sees, ahead of Qt's,
# a header every widget header includes first, and it stops the compile.
set(_TABDECK_WIDGET_GUARD ${CMAKE_BINARY_DIR}/layers/widget-guard)
foreach(_module QtWidgets QtPrintSupport QtSvgWidgets QtOpenGLWidgets)
    string(TOLOWER ${_module} _lower)
    file(CONFIGURE OUTPUT ${_TABDECK_WIDGET_GUARD}/${_module}/${_lower}global.h
         CONTENT "#error \"a widget header in a library that links no widgets\"\n" @ONLY)
endforeach()

function(tabdeck_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    file(GLOB _cpp CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    file(GLOB _headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    set(_root ${CMAKE_BINARY_DIR}/layers/${name})
    file(RELATIVE_PATH _folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    # Made afresh at each configure, so a removed header leaves no link behind.
    file(REMOVE_RECURSE ${_root})
    file(MAKE_DIRECTORY ${_root}/${_folder})
    foreach(_header ${_headers})
        get_filename_component(_file ${_header} NAME)
        file(CREATE_LINK ${_header} ${_root}/${_folder}/${_file} SYMBOLIC)
    endforeach()
    if(_cpp)
        add_library(${name} STATIC ${_sources})
        target_include_directories(${name} PUBLIC ${_root})
        if(NOT Qt6::Widgets IN_LIST ARG_DEPS)
            target_include_directories(${name} PRIVATE ${_TABDECK_WIDGET_GUARD})
        endif()
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${_root})
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# QtTest executables per folder of tests/. Each test class registers itself
# with TABDECK_TEST(Class); every class becomes its own CTest entry so a
# failure names the class. Logic tests link the folder's logic libraries
# (DEPS) and a widget-free test main; the WINDOW_TESTS sources (file names)
# are a second executable, tst_<folder>_window, that links WINDOW_DEPS and
# runs under a widget application (window-only helpers such as fixtures are
# named there too). WIDGETS: the folder holds window tests only. Other
# sources without a test class are shared helpers, built into both.
function(tabdeck_test_folder folder)
    cmake_parse_arguments(ARG "WIDGETS" "" "DEPS;ENV;WINDOW_TESTS;WINDOW_DEPS" ${ARGN})
    file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
    if(NOT _sources)
        return()
    endif()
    set(_shared)
    set(_logic)
    set(_window)
    foreach(_src ${_sources})
        get_filename_component(_name ${_src} NAME)
        file(STRINGS ${_src} _lines REGEX "^TABDECK_TEST\\(([A-Za-z0-9_]+)\\)")
        if(_name IN_LIST ARG_WINDOW_TESTS)
            list(APPEND _window ${_src})
        elseif(NOT _lines)
            list(APPEND _shared ${_src})
        else()
            list(APPEND _logic ${_src})
        endif()
    endforeach()
    set(_support testsupport_logic)
    if(ARG_WIDGETS)
        set(_support testsupport_widgets)
    endif()
    _tabdeck_test_exe(tst_${folder} "${folder}" "${_logic};${_shared}" "${_support};${ARG_DEPS}"
                      "${ARG_ENV}")
    if(_window)
        _tabdeck_test_exe(tst_${folder}_window "${folder}" "${_window};${_shared}"
                          "testsupport_widgets;${ARG_WINDOW_DEPS}" "${ARG_ENV}")
    endif()
endfunction()

function(_tabdeck_test_exe exe folder sources links env)
    add_executable(${exe} ${sources})
    target_link_libraries(${exe} PRIVATE ${links})
    target_compile_definitions(${exe} PRIVATE
        TABDECK_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
        TABDECK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        TABDECK_BIN_DIR="${TABDECK_BIN_DIR}")
    foreach(_src ${sources})
        file(STRINGS ${_src} _lines REGEX "^TABDECK_TEST\\(([A-Za-z0-9_]+)\\)")
        foreach(_line ${_lines})
            string(REGEX REPLACE "^TABDECK_TEST\\(([A-Za-z0-9_]+)\\).*" "\\1" _class "${_line}")
            add_test(NAME ${folder}.${_class} COMMAND ${exe} -class ${_class})
            set_tests_properties(${folder}.${_class} PROPERTIES
                ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${env}" TIMEOUT 600 LABELS unit)
        endforeach()
    endforeach()
endfunction()

# A helper program (test tool, benchmark, fuzz target) built from one source
# with just the libraries it names, so it builds without the whole program.
function(tabdeck_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    if(NOT ARG_SOURCES)
        set(ARG_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LINKS})
    target_compile_definitions(${name} PRIVATE TABDECK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        TABDECK_BIN_DIR="${TABDECK_BIN_DIR}")
endfunction()
