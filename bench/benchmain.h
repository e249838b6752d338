#pragma once

#include "platform/messagebox.h"

#include <QApplication>
#include <cstdio>
#include <benchmark/benchmark.h>

// Runs the benchmarks of one program with a QApplication on the offscreen
// platform, so windows can be created and measured without a display.
inline int RunBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A trap's message box would wait for a click: report it instead.
    SetMsgBoxHandler([](const MsgBoxRequest& request) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.title), qPrintable(request.text));
        return MsgResult::Ok;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
