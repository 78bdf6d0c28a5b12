#!/usr/bin/env bash
# A small mutation check of the core tests. Each mutant below is one small fault
# in one line of the core (a sign flipped, a factor off, a bound off by one, a
# clamp left out, the engines swapped, a field at the wrong offset...). Each is
# applied in turn to a scratch copy of the tree, the core tests are built and
# run there, and the mutant counts as caught when a test fails (or hangs).
#
#   tools/mutants.sh                  the tests of the working tree
#   tools/mutants.sh --tests REV      the same mutants against the tests of REV
#   tools/mutants.sh --only N         just mutant N (1-based), to look at it
#
# Prints one line per mutant and caught/total at the end; the tree itself is
# never touched. A developer's tool: it takes a few minutes and is not part of
# the test command.
set -euo pipefail
cd "$(dirname "$0")/.."

tests_rev=""
only=0
while (($#)); do
    case "$1" in
        --tests) tests_rev=$2; shift 2 ;;
        --only) only=$2; shift 2 ;;
        *) echo "usage: tools/mutants.sh [--tests REV] [--only N]" >&2; exit 2 ;;
    esac
done

files=() olds=() news=() whats=()
mutant() { files+=("$1"); whats+=("$2"); olds+=("$3"); news+=("$4"); }

# file, what the fault is, the text it changes (exactly once in the file), the faulty text
mutant src/simulation/propulsion.cpp "prop walk sign flipped" \
    "-rotation * thrust * boat.propWalkFactor" "rotation * thrust * boat.propWalkFactor"
mutant src/simulation/propulsion.cpp "reverse thrust factor 1.2 lost" \
    "thrust * (1.2 * boat.reversePowerFactor)" "thrust * (1.0 * boat.reversePowerFactor)"
mutant src/simulation/propulsion.cpp "prop walk fades half as fast" \
    "1.0 - 0.5 * std::fabs(surgeSpeed" "1.0 - 0.25 * std::fabs(surgeSpeed"
mutant src/simulation/propulsion.cpp "engines' lateral offsets swapped" \
    "i == 0 ? boat.portPropOffset : boat.propDistFromCL" "i == 1 ? boat.portPropOffset : boat.propDistFromCL"
mutant src/simulation/line_forces.cpp "line stretch-rate factor off" \
    "double m = 1.0 + 1.5 * line.stretchRate;" "double m = 1.0 + 1.2 * line.stretchRate;"
mutant src/simulation/line_forces.cpp "line slips at its slip limit" \
    "if (tension > boat.lineSlipFactor * k) {" "if (tension >= boat.lineSlipFactor * k) {"
mutant src/simulation/line_forces.cpp "breaking point without the slip factor" \
    "boat.lineBreakingPtFactor * boat.lineSlipFactor * k" "boat.lineBreakingPtFactor * k"
mutant src/simulation/rudder.cpp "prop wash unit factor off" \
    "RPM_INCHES_TO_FPS = 0.00139;" "RPM_INCHES_TO_FPS = 0.0139;"
mutant src/simulation/rudder.cpp "scaled lateral force on a slack anchor line" \
    "(p < 0.0 && AnchorLineTaut(doc))" "(p < 0.0 || AnchorLineTaut(doc))"
mutant src/simulation/wind.cpp "wind force clamp left out" \
    "return SignOf(force) * maxThrust;" "return force;"
mutant src/simulation/hull_resistance.cpp "skid drift clamp left out" \
    "? beta : SignOf(beta) * SKID_DRIFT_LIMIT;" "? beta : beta;"
mutant src/simulation/integrate_motion.cpp "mooring damping of one taut line" \
    "if (doc.state.tautLineCount > 0) d = 0.9 * r;" "if (doc.state.tautLineCount > 0) d = 0.8 * r;"
mutant src/simulation/integrate_motion.cpp "surge speed sign" \
    "st.surgeSpeed = st.waterVelX * c + st.waterVelY * s;" "st.surgeSpeed = st.waterVelX * c - st.waterVelY * s;"
mutant src/simulation/contact.cpp "contact moment limit doubled" \
    "const double maxMoment = 0.2 * boat.weight;" "const double maxMoment = 0.4 * boat.weight;"
mutant src/simulation/contact.cpp "contact push-out not limited" \
    "st.posY += Limit(pushY, MAX_POSITION_FIX);" "st.posY += pushY;"
mutant src/simulation/environment_variation.cpp "fast rate's spread multiplier" \
    "SPREAD_MULTIPLIER[3] = {3.0, 2.0, 1.0};" "SPREAD_MULTIPLIER[3] = {3.0, 2.0, 2.0};"
mutant src/docks/contact_cells.cpp "last contact cell dropped" \
    "for (int i = 0; i < count; ++i) {
        const CellRow& c = rows[i];" "for (int i = 0; i < count - 1; ++i) {
        const CellRow& c = rows[i];"
mutant src/docks/family_a.cpp "second piling row one radius off" \
    "3 * S + 2 * W + 3 * P}" "3 * S + 2 * W + 2 * P}"
mutant src/docks/slip_size.cpp "auto slip takes a width equal to twice the beam" \
    "neededWidth < dock.slipSizes[i].width" "neededWidth <= dock.slipSizes[i].width"
mutant src/docks/custom_slip.cpp "custom slip length clamp left out" \
    "if (length > MAX_SLIP_LENGTH) {" "if (length > 10 * MAX_SLIP_LENGTH) {"
mutant src/docks/dock_lines.cpp "line pick radius off" \
    "mooring.linePickRadius = 0.025 * doc.boat.lengthOverall;" "mooring.linePickRadius = 0.02 * doc.boat.lengthOverall;"
mutant src/docks/dock_lines_click.cpp "piling reach two radii" \
    "<= 3.0 * doc.dock.pilingRadius" "<= 2.0 * doc.dock.pilingRadius"
mutant src/docks/fenders.cpp "fender hung at deck height" \
    "doc.boat.freeboardHeight + 0.1;" "doc.boat.freeboardHeight;"
mutant src/controls/engine_control.cpp "set-by-value sets the port engine twice" \
    "SetEngineByValue(doc, 1, direction, percent);" "SetEngineByValue(doc, 0, direction, percent);"
mutant src/controls/engine_control.cpp "step ahead past full ahead" \
    "notch < NOTCH_FULL_AHEAD) SetNotch" "notch <= NOTCH_FULL_AHEAD) SetNotch"
mutant src/controls/rudder_control.cpp "rudder bar percent clamp left out" \
    "if (percent > 100) percent = 100;" ""
mutant src/controls/rudder_control.cpp "rudder step percent off" \
    "PERCENT_PER_RUDDER_STEP = 5.555555555555555;" "PERCENT_PER_RUDDER_STEP = 5.5;"
mutant src/controls/key_dispatch.cpp "page up lowers the camera" \
    "        case KEY_PAGE_UP:
            RaiseCamera(doc, 1);" "        case KEY_PAGE_UP:
            LowerCamera(doc, 1);"
mutant src/document/camera.cpp "camera clearance above the boat off" \
    "doc.boat.boatTopHeight + 4.0;" "doc.boat.boatTopHeight + 3.0;"
mutant src/common/number_field.cpp "number field max clamp left out" \
    "} else if (value > max) {" "} else if (false) {"
mutant src/common/angles.cpp "sign of zero" \
    "if (x == 0.0) return 1.0;" "if (x == 0.0) return -1.0;"
mutant src/boat/boat_estimates.cpp "sailboat weight fit switches at 50 ft" \
    "if (L > 50) return (2.813" "if (L >= 50) return (2.813"
mutant src/boat/boat_estimates.cpp "fender diameter threshold" \
    "if (L >= 31) return 1.0;" "if (L > 31) return 1.0;"
mutant src/boat/boat_record_bytes.cpp "counterRotating at the wrong offset" \
    "{7116, 1, 1}," "{7117, 1, 1},"
mutant src/document/settings_record.cpp "metricUnits at the wrong offset" \
    "{632, 1, 1}," "{633, 1, 1},"
mutant src/boat/boat_file.cpp "face index equal to the vertex table size accepted" \
    "InRange(face, 0, MESH_MAX_VERTICES - 1)" "InRange(face, 0, MESH_MAX_VERTICES)"
mutant src/boat/boat_file.cpp "no engines accepted" \
    "InRange(boat.engineCount, 1, 2)" "InRange(boat.engineCount, 0, 2)"
mutant src/boat/boat_list.cpp "current boat moves when the removed one is current" \
    "if (index < s.currentBoatIndex) --s.currentBoatIndex;" "if (index <= s.currentBoatIndex) --s.currentBoatIndex;"
mutant src/boat/hull_points.cpp "hull point bearing not wrapped" \
    "while (a < 0) a += PI_2;" "while (a < -PI) a += PI_2;"
mutant src/simulation/status_line.cpp "twin status line's rudder with one decimal" \
    "RPM= %s|%s    RUD= %5.2f" "RPM= %s|%s    RUD= %5.1f"
mutant src/simulation/contact_pilings.cpp "piling reach counts its whole radius" \
    "std::sqrt(dx * dx + dy * dy) - 0.5 * doc.dock.pilingRadius" "std::sqrt(dx * dx + dy * dy) - doc.dock.pilingRadius"
mutant src/docks/fenders.cpp "an eleventh fender" \
    "if (mooring.fenderCount >= FENDER_SLOTS) return;" "if (mooring.fenderCount > FENDER_SLOTS) return;"
mutant src/docks/custom_slip.cpp "custom slip clearance off" \
    "SLIP_CLEARANCE = 2.0;" "SLIP_CLEARANCE = 1.0;"
mutant src/docks/dock_lines.cpp "line attach height off" \
    "doc.dock.deckHeight + 0.01;" "doc.dock.deckHeight + 0.1;"
mutant src/boat/boat_editing.cpp "dock line limit three lengths" \
    "if (r.dockLineLength > 2.0 * L) {" "if (r.dockLineLength > 3.0 * L) {"
mutant src/boat/boat_editing.cpp "counter-rotation ignored" \
    "r.counterRotating ? -r.propRotation : r.propRotation" "r.propRotation"
mutant src/boat/boat_editing.cpp "bow thruster minimum a third of the way" \
    "G + 0.2 * (L - G)" "G + 0.3 * (L - G)"
mutant src/boat/boat_file_commands.cpp "a seventeenth boat saved" \
    "if (doc.settings.boatCount >= BOAT_LIST_SLOTS) {" "if (doc.settings.boatCount > BOAT_LIST_SLOTS) {"
mutant src/document/settings_file.cpp "current boat index past the list accepted" \
    "int lastSlot = s.boatCount > 0 ? s.boatCount - 1 : 0;" "int lastSlot = s.boatCount;"
mutant src/document/camera.cpp "camera ceiling three lengths" \
    "const double highest = 2.0 * doc.boat.lengthOverall;" "const double highest = 3.0 * doc.boat.lengthOverall;"
mutant src/simulation/integrate_motion.cpp "current flows from where it comes" \
    "env.currentVelY = -std::sin(env.currentAngle)" "env.currentVelY = std::sin(env.currentAngle)"

total=${#files[@]}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-mutants-XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# The working tree's files (committed or not), and optionally another revision's tests.
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xf - -C "$scratch"
if [[ -n "$tests_rev" ]]; then
    rm -rf "$scratch/tests"
    git archive "$tests_rev" tests | tar -xf - -C "$scratch"
fi

build() {
    nice cmake --build "$scratch/build" -j "$(nproc)" --target kelvane_core_tests kelvane-sim \
        >"$scratch/build.log" 2>&1
}
run_tests() {
    timeout 600 "$scratch/build/kelvane_core_tests" --gtest_fail_fast --gtest_brief=1 \
        >"$scratch/test.log" 2>&1
}

cmake -S "$scratch" -B "$scratch/build" -DCMAKE_BUILD_TYPE=Debug -DKELVANE_GUI=OFF \
    -DKELVANE_BENCH=OFF >/dev/null
build || { cat "$scratch/build.log"; echo "mutants: the unchanged tree does not build" >&2; exit 1; }
run_tests || { tail -n 30 "$scratch/test.log"; echo "mutants: the unchanged tests fail" >&2; exit 1; }

caught=0 checked=0
for ((i = 0; i < total; ++i)); do
    n=$((i + 1))
    ((only == 0 || only == n)) || continue
    file=${files[i]}
    cp "$scratch/$file" "$scratch/$file.orig"
    if ! python3 - "$scratch/$file" "${olds[i]}" "${news[i]}" <<'EOF'; then
import sys
path, old, new = sys.argv[1:4]
text = open(path).read()
if text.count(old) != 1:
    sys.exit(1)
open(path, "w").write(text.replace(old, new))
EOF
        echo "mutants: mutant $n (${whats[i]}) does not match $file exactly once" >&2
        exit 1
    fi
    checked=$((checked + 1))
    if ! build; then
        verdict="did not build"
        echo "mutants: mutant $n (${whats[i]}) does not build" >&2
        mv "$scratch/$file.orig" "$scratch/$file"
        exit 1
    elif run_tests; then
        verdict="SURVIVED"
    else
        verdict="caught"
        caught=$((caught + 1))
    fi
    mv "$scratch/$file.orig" "$scratch/$file"
    # The restored file must be newer than its object, or the next build skips it.
    touch "$scratch/$file"
    printf '%2d %-9s %-42s %s\n' "$n" "$verdict" "$file" "${whats[i]}"
done
echo "caught $caught/$checked"
