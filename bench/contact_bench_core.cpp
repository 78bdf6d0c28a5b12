// The cost of contact: a step of a Motorboat at full ahead pressed against the
// head pier of the slip (contact passes running every step), and the search
// alone at its worst, a boat lying across a finger pier where all eleven
// passes search the whole outline.

#include <benchmark/benchmark.h>

#include <memory>

#include "controls/control_state.h"
#include "docks/dock_commands.h"
#include "document/document.h"
#include "document/startup.h"
#include "simulation/contact.h"
#include "simulation/gaussian_random.h"
#include "simulation/step.h"

namespace {

std::unique_ptr<CKLVNDoc> MotorboatAtTheSlip() {
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    ApplySettingsDefaults(*doc);
    doc->settings.currentBoatType = MOTORBOAT;
    SeedSimulationRandom(*doc, 1);
    BringUpDocument(*doc);
    SelectSlipSize(*doc, 4);  // 22 x 60, the head pier 60 ft up the slip
    SelectDockLayout(*doc, 1);
    SetRunState(*doc, 1, 1);
    return doc;
}

void BM_StepPressedAgainstPier(benchmark::State& state) {
    auto doc = MotorboatAtTheSlip();
    ChangeEngine(*doc, ENGINE_BOTH, ENGINE_SET_BY_VALUE, 1, 100);
    for (int i = 0; i < 2000; ++i) Step(*doc);  // run up the slip onto the pier
    if (doc->contact.firstPassContactCount == 0) {
        state.SkipWithError("the boat is not pressed against the pier");
        return;
    }
    long long contacts = 0;
    for (auto _ : state) {
        Step(*doc);
        contacts += doc->contact.firstPassContactCount;
        benchmark::DoNotOptimize(doc->state.posY);
    }
    state.counters["contacts"] =
        benchmark::Counter(static_cast<double>(contacts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StepPressedAgainstPier);

void BM_ResolveContactsElevenPasses(benchmark::State& state) {
    auto doc = MotorboatAtTheSlip();
    doc->boat.startX = doc->dock.dockWidth / 2;  // astride the left finger pier
    doc->boat.startY = 20.0;
    ResetBoat(*doc);
    for (auto _ : state) {
        ResolveContacts(*doc);  // at rest: every pass ends at once, none frees it
        benchmark::DoNotOptimize(doc->contact.contactCount);
    }
}
BENCHMARK(BM_ResolveContactsElevenPasses);

}  // namespace
