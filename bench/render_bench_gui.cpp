// RenderFrame at 1280 x 800 into an off-screen framebuffer: one simulation
// step and the whole scene, waited for until the renderer has finished.
// Needs a display; run it under Xvfb to measure the software renderer:
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/kelvane_render_bench
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "document/camera.h"
#include "document/document.h"
#include "document/startup.h"
#include "render/gl_api.h"
#include "render/klvn_view.h"
#include "render/projection.h"
#include "render/render_frame.h"

namespace {

constexpr int WIDTH = 1280;
constexpr int HEIGHT = 800;

CKLVNDoc document;

// A context current on an off-screen surface with a framebuffer of the view's
// size bound, or a message saying why there is none.
struct OffscreenTarget {
    QOpenGLContext context;
    QOffscreenSurface surface;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer;

    bool Create() {
        context.setFormat(CKLVNView::RequestedFormat());
        if (!context.create()) return false;
        surface.setFormat(context.format());
        surface.create();
        if (!context.makeCurrent(&surface)) return false;
        framebuffer = std::make_unique<QOpenGLFramebufferObject>(WIDTH, HEIGHT,
                                                                 QOpenGLFramebufferObject::Depth);
        return framebuffer->isValid() && framebuffer->bind();
    }
};

void BringUp(int boatType, bool running, bool indicators) {
    ClearDocument(document);
    InitCamera(document);
    ApplySettingsDefaults(document);
    document.settings.currentBoatType = boatType;
    BringUpDocument(document);
    SetProjection(document, WIDTH, HEIGHT);
    document.state.running = running ? 1 : 0;
    document.settings.windOn = indicators;
    document.settings.currentOn = indicators;
    document.env.envValue[ENV_WIND_SPEED] = 10.0;
    document.env.envValue[ENV_CURRENT_SPEED] = 1.0;
}

// CPU seconds of the whole process: the software renderer draws on threads
// of its own, which the benchmark's CPU column (this thread only) leaves out.
double ProcessCpuSeconds() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           1e-6 * (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

void RenderFrames(benchmark::State& state) {
    BringUp(static_cast<int>(state.range(0)), state.range(1) != 0, state.range(1) != 0);
    InitGL();
    FrameState frame = {};
    RenderFrame(document, frame);
    FinishFrame(frame);
    // Each frame's wall time, for the median and the 95th percentile of
    // single frames (the benchmark's own figures are means of many).
    static std::vector<double> frameMs;
    frameMs.clear();
    frameMs.reserve(static_cast<std::size_t>(state.max_iterations));
    const double cpuBefore = ProcessCpuSeconds();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        RenderFrame(document, frame);
        glFinish();
        FinishFrame(frame);
        frameMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    state.counters["process_cpu_ms"] = benchmark::Counter(1e3 * (ProcessCpuSeconds() - cpuBefore),
                                                          benchmark::Counter::kAvgIterations);
    if (!frameMs.empty()) {
        std::sort(frameMs.begin(), frameMs.end());
        state.counters["p50_ms"] = frameMs[frameMs.size() / 2];
        state.counters["p95_ms"] = frameMs[frameMs.size() * 95 / 100];
    }
}

// Boat type; paused with nothing switched on, or running with wind and current arrows.
BENCHMARK(RenderFrames)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"boat", "running"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    OffscreenTarget target;
    if (!target.Create()) {
        std::fprintf(stderr, "kelvane_render_bench: no OpenGL context with a framebuffer\n");
        return 1;
    }
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
