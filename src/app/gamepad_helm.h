#pragma once

#include <functional>

#include "controls/gamepad_mapping.h"

struct CKLVNDoc;
struct _SDL_GameController;

// Whether turning the helm on says so when no controller is there: yes from
// the menu, where the user is waiting to see one; not at start-up, where most
// users have none.
enum class NoPadNotice { Say, Quiet };

// The helm worked from a game controller, through SDL's game-controller
// interface (its joystick subsystem only; SDL opens no window). Poll, once per
// timer tick before the frame render, picks up a controller plugged in, drops
// one pulled out and works the helm from the one in use; a controller
// arriving or leaving leaves the engines as they are. Each change goes through
// the control operations, so the console and the status line show it as if it
// came from the console. The pad is mapped by "Gamepad.txt" in the data folder
// when present.
class GamepadHelm {
public:
    explicit GamepadHelm(CKLVNDoc& doc);
    ~GamepadHelm();
    GamepadHelm(const GamepadHelm&) = delete;
    GamepadHelm& operator=(const GamepadHelm&) = delete;

    // Control ▸ Gamepad. On: starts the controller subsystem, reads the mapping
    // and takes the first controller present. Off: lets go of it.
    void SetEnabled(bool on, NoPadNotice notice = NoPadNotice::Say);
    bool Enabled() const { return enabled_; }
    // A controller is connected and driving: the check mark of Control ▸ Gamepad.
    bool InUse() const { return enabled_ && controller_ != nullptr; }

    void Poll();

    // Whether the bridge console's SYNC is on, when a console can say so.
    void SetSynchronizedQuery(std::function<bool()> query) { synchronized_ = std::move(query); }

    const GamepadMapping& Mapping() const { return mapping_; }

private:
    void LoadMapping();
    bool OpenController(int deviceIndex);
    void OpenFirstController();
    void CloseController();
    GamepadInput Read() const;

    CKLVNDoc& doc_;
    bool enabled_ = false;
    _SDL_GameController* controller_ = nullptr;
    int instanceId_ = -1;
    GamepadMapping mapping_ = DefaultGamepadMapping();
    GamepadHelmState state_ = {};
    std::function<bool()> synchronized_;
};
