# Precompiled headers: the Qt and GoogleTest headers that nearly every file of
# a target includes are parsed once per target instead of once per file. The
# test programs and the benchmarks share one each (REUSE_FROM), so a header set
# is compiled once per build.
option(KELVANE_PCH "Precompile the Qt and GoogleTest headers" ON)

set(KELVANE_PCH_CORE
    <QByteArray> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QString>
    <QStringList> <algorithm> <array> <functional> <optional> <vector>)
set(KELVANE_PCH_UI ${KELVANE_PCH_CORE}
    <QAction> <QApplication> <QComboBox> <QFrame> <QHBoxLayout> <QLabel> <QLineEdit>
    <QListWidget> <QPainter> <QPushButton> <QScrollBar> <QTimer> <QToolBar> <QVBoxLayout>
    <QWidget>)
set(KELVANE_PCH_TESTS ${KELVANE_PCH_UI} <QTemporaryDir> <QTest> <gtest/gtest.h>)
set(KELVANE_PCH_BENCH ${KELVANE_PCH_UI} <QElapsedTimer> <QTemporaryDir> <cstdio>)

# kelvane_precompile(<target> <header list variable> [REUSE_FROM <target>])
function(kelvane_precompile target headers)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "REUSE_FROM" "")
    if(NOT KELVANE_PCH)
        return()
    endif()
    if(arg_REUSE_FROM)
        target_precompile_headers(${target} REUSE_FROM ${arg_REUSE_FROM})
    else()
        target_precompile_headers(${target} PRIVATE ${${headers}})
    endif()
    # A header set the compiler cannot use is an error, not a silently slower build.
    target_compile_options(${target} PRIVATE -Winvalid-pch)
endfunction()
