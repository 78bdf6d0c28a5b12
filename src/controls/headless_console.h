#pragma once

#include <optional>

#include "common/user_interface.h"
#include "controls/bridge_console.h"

struct CKLVNDoc;

// The bridge console without a window, for the headless runner and the tests:
// it opens and closes as the window does, and the document's display calls
// reach its logic exactly as they reach the window's. Everything else is as
// silent as the document's own default interface.
class HeadlessConsole : public SilentUserInterface {
public:
    // Show Bridge: opens the console in the layout that applies, or keeps the
    // open one as it is.
    void Open(CKLVNDoc& doc);
    void Close() { console_.reset(); }
    BridgeConsole* Console() { return console_ ? &*console_ : nullptr; }

    bool ConsoleIsOpen() const override { return console_.has_value(); }
    void ShowEngine(int engine, int direction, int percent) override;
    void ShowRudder(int command, int percent) override;
    void ShowThruster(int command) override;
    void ShowRunState() override;
    void ReopenConsole() override;

private:
    CKLVNDoc* doc_ = nullptr;
    std::optional<BridgeConsole> console_;
};
