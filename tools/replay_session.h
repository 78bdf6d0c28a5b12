#pragma once

// A recording (or any kelvane-sim script) played back on the live document:
// it takes over as an exercise does, its timeline applied step by step just
// before each Step, and the user's own document comes back when it ends.

#include <memory>
#include <string>

#include "script_reader.h"

struct CKLVNDoc;

class ReplaySession {
public:
    // Reads and starts the script on a scratch document, then keeps the
    // live one in keep and puts the replay in its place, with input locked
    // and nothing recorded. The user interface and the camera stay. On
    // failure the document is left as it was and error says why.
    bool Begin(CKLVNDoc& doc, const std::string& path, CKLVNDoc& keep, std::string& error);

    // The script's inputs for the next step, then the step. False when the
    // script has no step left, or (with error) when an input cannot be done.
    bool StepOnce(CKLVNDoc& doc, std::string& error);

    long long StepsDone() const { return call_; }
    long long Steps() const { return script_.steps; }

    // The user's document back, as an exercise gives it back.
    void End(CKLVNDoc& doc, const CKLVNDoc& keep);

private:
    Script script_;
    std::string path_, output_;
    std::size_t next_ = 0;
    long long call_ = 0;
};
