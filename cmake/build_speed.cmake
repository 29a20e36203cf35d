# What makes the build quicker without changing what it builds: ccache when
# it is installed, the Qt headers precompiled once for the window's targets,
# and unity builds of the targets with many small files.

# ccache when it is there, never required: a build folder configured without
# a compiler launcher of its own uses ccache if it is installed. The
# precompiled headers are cached only with ccache's pch_defines and
# time_macros sloppiness, so a launcher that is ccache is given them.
option(TAVOLIER_CCACHE "Compile through ccache when it is installed and no compiler launcher is set" ON)
if(TAVOLIER_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(TAVOLIER_CCACHE_PROGRAM ccache)
    if(TAVOLIER_CCACHE_PROGRAM)
        set(CMAKE_CXX_COMPILER_LAUNCHER ${TAVOLIER_CCACHE_PROGRAM})
    endif()
endif()
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "(^|/)ccache$")
    set(CMAKE_CXX_COMPILER_LAUNCHER env CCACHE_SLOPPINESS=pch_defines,time_macros ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

# Unity builds (several source files compiled as one) for the targets that
# ask for them with tavolier_unity(TARGET BATCH): the window, the asset
# generator and the test suites, whose files each spend most of their time
# in the same Qt or GoogleTest headers. -DTAVOLIER_UNITY=OFF compiles every
# file on its own, which also checks that each includes what it uses;
# -DTAVOLIER_UNITY_BATCH=0 compiles each such target as a single file, which
# finds any two files' helpers that would clash in a batch.
option(TAVOLIER_UNITY "Compile the window's, the asset generator's and the tests' files in batches (unity build)" ON)
set(TAVOLIER_UNITY_BATCH "" CACHE STRING "Files per batch for every unity target (empty: each target's own)")
function(tavolier_unity target batch)
    if(TAVOLIER_UNITY)
        if(NOT TAVOLIER_UNITY_BATCH STREQUAL "")
            set(batch ${TAVOLIER_UNITY_BATCH})
        endif()
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${batch})
    endif()
endfunction()

# The Qt and standard headers nearly every file of the window includes,
# compiled once as tavolier_ui's precompiled header; the other targets with
# the same compiler flags reuse it (tavolier_qt_pch). Precompiled headers are
# turned off for a whole build with -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON.
set(TAVOLIER_QT_PCH_HEADERS
    <QApplication> <QCoreApplication> <QDir> <QFileInfo> <QImage> <QKeyEvent> <QLabel>
    <QObject> <QPainter> <QPushButton> <QString> <QStringList> <QTimer> <QWidget>
    <algorithm> <array> <functional> <memory> <optional> <string> <string_view> <vector>)
function(tavolier_qt_pch target)
    if(target STREQUAL "tavolier_ui")
        target_precompile_headers(${target} PRIVATE ${TAVOLIER_QT_PCH_HEADERS})
    else()
        target_precompile_headers(${target} REUSE_FROM tavolier_ui)
    endif()
endfunction()

