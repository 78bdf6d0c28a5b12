#include "simulation/line_forces.h"

#include <cmath>

#include "common/constants.h"
#include "docks/dock_lines.h"
#include "document/document.h"

// A dock line is a one-sided spring: no push while slack, a pull of
// lineSpringConstant lb per foot of stretch once the span exceeds the working
// length, stiffened while it is being stretched and softened (down to nothing)
// while it contracts. A line stretched beyond lineSlipFactor feet slips to the
// span, or runs out to its full length; run out and stretched further than
// lineBreakingPtFactor times that, it parts.
void ComputeLineForces(CKLVNDoc& doc) {
    const BoatRecord& boat = doc.boat;
    DynamicState& state = doc.state;
    double dt = state.timeStep;
    double k = boat.lineSpringConstant;  // lb/ft
    double phi = DEG_TO_RAD * state.hullAngleDeg;
    int count = 0;

    for (int i = 0; i < DOCK_LINE_COUNT; ++i) {
        DockLine& line = doc.mooring.dockLines[i];
        double fullLength = NominalLineLength(doc, i);
        if (line.state < LINE_SLACK) continue;

        line.cleatWorldX = state.posX + line.cleatX * std::cos(phi) - line.cleatY * std::sin(phi);
        line.cleatWorldY = state.posY + line.cleatX * std::sin(phi) + line.cleatY * std::cos(phi);
        double dx = line.attachX - line.cleatWorldX;
        double dy = line.attachY - line.cleatWorldY;
        double s = std::sqrt(dx * dx + dy * dy);

        if (s <= line.lineLength) {
            line.state = LINE_SLACK;
            continue;
        }

        line.span = s;
        line.stretch = s - line.lineLength;
        // A step of zero length would make the rate infinite: take it as still.
        if (!(dt > 0.0)) {
            line.stretchRate = 0.0;
        } else if (line.state == LINE_TAUT) {
            line.stretchRate = (s - line.prevSpan) / dt;
        } else {
            line.stretchRate = line.stretch / dt;
        }
        line.prevSpan = s;
        line.state = LINE_TAUT;
        double tension = k * line.stretch;

        if (tension > boat.lineSlipFactor * k) {
            tension = 0.0;
            if (s <= fullLength) {
                // Slips on its cleat to the present span.
                line.lineLength = s;
                line.stretch = 0.0;
                line.prevSpan = s;
                line.stretchRate = 0.0;
            } else {
                // Runs out to its full length and pulls with what is left.
                line.lineLength = fullLength;
                line.stretch = s - fullLength;
                tension = k * line.stretch;
                if (tension > boat.lineBreakingPtFactor * boat.lineSlipFactor * k) {
                    // Parts: back on the boat, but this step's pull still acts.
                    SetLineState(doc, i, nullptr, LINE_STOWED);
                    ++doc.mooring.linesParted;
                }
            }
        } else {
            ++count;
        }

        line.lineAngle = std::atan2(dy, dx);
        double m = 1.0 + 1.5 * line.stretchRate;
        if (line.stretchRate <= 0.0 && m < 0.0) m = 0.0;
        line.forceX = std::cos(line.lineAngle) * tension * m;
        line.forceY = std::sin(line.lineAngle) * tension * m;
        line.lineTorque = (line.cleatWorldY - state.posY) * line.forceX -
                          (line.cleatWorldX - state.posX) * line.forceY;
        doc.forces.lineForceX[i] = line.forceX;
        doc.forces.lineForceY[i] = line.forceY;
        doc.forces.lineMoment[i] = -line.lineTorque;
    }
    state.tautLineCount = count;
}
