#include <cmath>
#include <cstdio>

#include "controls/control_state.h"
#include "document/document.h"

namespace {

// The widest readout the text holds: seven characters and the terminator, also
// after rounding to tens. Max RPM goes up to 10000, so a real readout always
// fits whole; only a damaged boat record gets near these limits.
constexpr double RPM_READOUT_MAX = 9999990.0;
constexpr double RPM_READOUT_MIN = -999999.0;

int TruncateRpm(double rpm) {
    if (std::isnan(rpm)) return 0;
    if (rpm > RPM_READOUT_MAX) rpm = RPM_READOUT_MAX;
    if (rpm < RPM_READOUT_MIN) rpm = RPM_READOUT_MIN;
    return static_cast<int>(rpm);
}

// Engine speed between idle and maximum in proportion to the power above idle.
// A neutral engine idles.
int EngineRpm(const BoatRecord& boat, double power) {
    const double a = std::fabs(power);
    if (!(a > 0.0)) return TruncateRpm(boat.idleRpm);
    const double rpm = (a - boat.throttlePowerTable[9]) / (1.0 - boat.idlePowerFactor) *
                           (boat.maxRpm - boat.idleRpm) +
                       boat.idleRpm;
    const int r = TruncateRpm(rpm);
    return (r + 5) / 10 * 10;  // to tens
}

}  // namespace

void UpdateEngineReadouts(CKLVNDoc& doc) {
    ControlState& controls = doc.controls;
    for (int e = 0; e < 2; ++e) {
        controls.engineRpm[e] = EngineRpm(doc.boat, controls.enginePower[e]);
        std::snprintf(controls.engineRpmText[e], sizeof controls.engineRpmText[e], "%i",
                      controls.engineRpm[e]);
    }
}
