#include "trace.h"

#include <cstdio>

#include "document/document.h"

namespace {

void AppendReal(std::string& output, double value) {
    char text[40];
    std::snprintf(text, sizeof text, ",%.17g", value);
    output += text;
}

void AppendInteger(std::string& output, long long value) {
    output += ',';
    output += std::to_string(value);
}

// The nine line states as nine digits.
void AppendLineStates(std::string& output, const Mooring& mooring) {
    output += ',';
    for (int k = 0; k < DOCK_LINE_COUNT; ++k) {
        int state = mooring.dockLines[k].state;
        output += static_cast<char>('0' + (state >= 0 && state <= 9 ? state : 9));
    }
}

// A CSV field in double quotes, inner quotes doubled.
void AppendQuoted(std::string& output, const char* text, std::size_t size) {
    output += ",\"";
    for (std::size_t i = 0; i < size && text[i] != '\0'; ++i) {
        if (text[i] == '"') output += '"';
        output += text[i];
    }
    output += '"';
}

}  // namespace

void AppendTraceHeader(std::string& output, bool withStatus) {
    output +=
        "step,posX,posY,headingRad,headingDeg,compassHeading,waterVelX,waterVelY,"
        "speedThroughWater,courseThroughWater,groundVelX,groundVelY,speedOverGround,yawRate,"
        "surgeSpeed,swaySpeed,driftAngle,enginePower0,enginePower1,throttleNotch0,"
        "throttleNotch1,rudderAngle,thrusterThrust,tautLineCount,attachedLineCount,"
        "contactCount,lineStates,envValue0,envValue1,envValue2,envValue3";
    if (withStatus) output += ",status";
    output += '\n';
}

void AppendTraceRow(std::string& output, const CKLVNDoc& doc, long long step, int contactCount,
                    bool withStatus) {
    const DynamicState& st = doc.state;
    const ControlState& controls = doc.controls;
    output += std::to_string(step);
    const double motion[] = {
        st.posX,
        st.posY,
        st.headingRad,
        st.headingDeg,
        st.compassHeading,
        st.waterVelX,
        st.waterVelY,
        st.speedThroughWater,
        st.courseThroughWater,
        st.groundVelX,
        st.groundVelY,
        st.speedOverGround,
        st.yawRate,
        st.surgeSpeed,
        st.swaySpeed,
        st.driftAngle,
        controls.enginePower[0],
        controls.enginePower[1],
    };
    for (double value : motion) AppendReal(output, value);
    AppendInteger(output, controls.throttleNotch[0]);
    AppendInteger(output, controls.throttleNotch[1]);
    AppendReal(output, controls.rudderAngle);
    AppendReal(output, controls.thrusterThrust);
    AppendInteger(output, st.tautLineCount);
    AppendInteger(output, st.attachedLineCount);
    AppendInteger(output, contactCount);
    AppendLineStates(output, doc.mooring);
    for (int k = 0; k < ENV_QUANTITIES; ++k) AppendReal(output, doc.env.envValue[k]);
    if (withStatus) AppendQuoted(output, doc.statusText, sizeof doc.statusText);
    output += '\n';
}
