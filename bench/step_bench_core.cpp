// The cost of one simulation step: a Motorboat at full ahead in open water.

#include <benchmark/benchmark.h>

#include <memory>

#include "controls/control_state.h"
#include "document/document.h"
#include "document/startup.h"
#include "simulation/gaussian_random.h"
#include "simulation/step.h"

namespace {

std::unique_ptr<CKLVNDoc> MotorboatFullAheadInOpenWater() {
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    ApplySettingsDefaults(*doc);
    doc->settings.currentBoatType = MOTORBOAT;
    SeedSimulationRandom(*doc, 1);
    BringUpDocument(*doc);
    doc->dock.dockRectCount = 0;  // no deck to touch
    doc->dock.pilingCount = 0;
    ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    SetRunState(*doc, 1, 1);
    return doc;
}

void BM_StepMotorboatFullAhead(benchmark::State& state) {
    auto doc = MotorboatFullAheadInOpenWater();
    for (int i = 0; i < 4000; ++i) Step(*doc);  // under way at full speed
    for (auto _ : state) {
        Step(*doc);
        benchmark::DoNotOptimize(doc->state.posY);
    }
}
BENCHMARK(BM_StepMotorboatFullAhead);

}  // namespace
