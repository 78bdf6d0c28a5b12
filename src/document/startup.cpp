#include "document/startup.h"

#include <cstring>

#include "boat/units.h"
#include "document/document.h"

namespace {

const char EMPTY_BOAT_SLOT[] = " ... ";

// The keys of the keyboard controls, in the order the controls are numbered:
// Windows virtual-key codes (letters are their upper-case ASCII codes).
const int DEFAULT_KEY_BINDINGS[KEY_BINDING_COUNT] = {'U', 'O', 'I', 'W', 'X', 'S', 'R',  'V', 'F',
                                                     'E', 'C', 'D', 'J', 'L', 'K', 0x70, 0x71};

const int DEFAULT_RATE_PERIOD = 100;  // steps, the Medium rate of change

void ApplyEnvironmentDefaults(EnvironmentRecord& env) {
    std::memset(&env, 0, sizeof env);
    for (int i = 0; i < ENV_QUANTITIES; ++i) {
        env.envVariation[i] = 1.0;
        env.envRatePeriod[i] = DEFAULT_RATE_PERIOD;
        env.envRateIndex[i] = ENV_RATE_MEDIUM;
        env.drawPoints[i][0] = 1.0;
        env.drawPoints[i][1] = 1.0;
    }
}

}  // namespace

void StartUpDocument(CKLVNDoc&, const char*) {}

void ApplySettingsDefaults(CKLVNDoc& doc) {
    SettingsRecord& s = doc.settings;
    std::memset(&s, 0, sizeof s);
    for (int slot = 0; slot < BOAT_LIST_SLOTS; ++slot) {
        std::memcpy(s.boatNames[slot], EMPTY_BOAT_SLOT, sizeof EMPTY_BOAT_SLOT);
    }
    s.boatCount = 0;
    s.currentBoatIndex = 0;
    s.currentBoatType = 0;
    s.dockLayoutSaved = 1;
    s.shiftThrottleCombined = 0;
    s.windOn = 0;
    s.currentOn = 0;
    ApplyEnvironmentDefaults(s.envSettingsPersisted);
    s.metricUnits = 0;
    for (int k = 0; k < KEY_BINDING_COUNT; ++k) {
        s.keyBindings[k] = DEFAULT_KEY_BINDINGS[k];
    }
    doc.units = UnitFactorsFor(false);
    doc.env = s.envSettingsPersisted;
}
