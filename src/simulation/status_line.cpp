#include "simulation/status_line.h"

#include <cstdio>

#include "common/constants.h"
#include "document/document.h"

namespace {

// The boat name as stored, never read past its field.
struct BoatNameText {
    char text[BOAT_NAME_SIZE + 1];
};

BoatNameText NameOf(const BoatRecord& boat) {
    BoatNameText name = {};
    for (int i = 0; i < BOAT_NAME_SIZE && boat.boatName[i] != '\0'; ++i) {
        name.text[i] = boat.boatName[i];
    }
    return name;
}

// The RPM readout of one engine, never read past its field.
struct RpmText {
    char text[sizeof(ControlState::engineRpmText[0]) + 1];
};

RpmText RpmOf(const ControlState& controls, int engine) {
    RpmText rpm = {};
    const char* source = controls.engineRpmText[engine];
    for (std::size_t i = 0; i < sizeof controls.engineRpmText[engine] && source[i] != '\0'; ++i) {
        rpm.text[i] = source[i];
    }
    return rpm;
}

}  // namespace

void ShowStatusLine(CKLVNDoc& doc) {
    const DynamicState& st = doc.state;
    const EnvironmentRecord& env = doc.env;
    BoatNameText name = NameOf(doc.boat);
    RpmText rpm0 = RpmOf(doc.controls, 0);
    RpmText rpm1 = RpmOf(doc.controls, 1);

    double heading = st.compassHeading;
    double speed = st.speedThroughWater * FPS_TO_KNOTS;
    double ground = st.speedOverGround * FPS_TO_KNOTS;
    double rudder = doc.controls.rudderAngle * RAD_TO_DEG;
    double wind = doc.settings.windOn ? env.apparentWindSpeed * FPS_TO_KNOTS : 0.0;
    double current = doc.settings.currentOn ? env.currentSpeed * FPS_TO_KNOTS : 0.0;

    // Bounded: a line that does not fit the buffer (a long name with huge
    // values) is cut, never written past it.
    if (doc.boat.engineCount < 2) {
        std::snprintf(doc.statusText, sizeof doc.statusText,
                      "%s   HEADING=%5.2f   SPEED=%5.2f    GS=%5.2f    RPM= %s    RUD= %5.2f    "
                      "WIND=%5.2f    CURRENT=%5.2f",
                      name.text, heading, speed, ground, rpm0.text, rudder, wind, current);
    } else {
        std::snprintf(doc.statusText, sizeof doc.statusText,
                      "%s   HEADING=%5.2f   SPEED=%5.2f    GS=%5.2f    RPM= %s|%s    RUD= %5.2f    "
                      "WIND=%5.2f    CURRENT=%5.2f",
                      name.text, heading, speed, ground, rpm0.text, rpm1.text, rudder, wind,
                      current);
    }
    doc.ui->SetStatusText(doc.statusText);
}
