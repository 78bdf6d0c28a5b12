#include "app/gamepad_helm.h"

#include <SDL.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "document/document.h"

namespace {

constexpr int STATUS_SIZE = 200;

// The mapping file is small; anything larger is not one.
constexpr std::size_t MAPPING_FILE_MAX = 64 * 1024;

static_assert(static_cast<int>(GamepadAxis::RightTrigger) == SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
static_assert(GAMEPAD_AXES == SDL_CONTROLLER_AXIS_MAX);
static_assert(static_cast<int>(GamepadButton::DpadRight) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
static_assert(static_cast<int>(GamepadButton::Start) == SDL_CONTROLLER_BUTTON_START);

std::string ReadMappingFile(const CKLVNDoc& doc) {
    if (doc.dataFolder[0] == '\0') return std::string();
    const std::string path = std::string(doc.dataFolder) + "/" + GAMEPAD_MAPPING_FILE_NAME;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string();
    std::string text;
    text.resize(MAPPING_FILE_MAX);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

// Lines holding a comma define controllers the library does not know yet.
void AddControllerDefinitions(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#' || line.find(',') == std::string::npos) continue;
        SDL_GameControllerAddMapping(line.c_str());
    }
}

}  // namespace

GamepadHelm::GamepadHelm(CKLVNDoc& doc) : doc_(doc) {}

GamepadHelm::~GamepadHelm() {
    SetEnabled(false);
}

void GamepadHelm::SetEnabled(bool on, NoPadNotice notice) {
    if (on == enabled_) return;
    if (!on) {
        CloseController();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        enabled_ = false;
        return;
    }
    // The Qt program keeps its own signal handling, and the pad must drive
    // while the main window, which SDL knows nothing of, has the focus.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        char status[STATUS_SIZE];
        std::snprintf(status, sizeof status, "Gamepad not available: %s", SDL_GetError());
        doc_.ui->SetStatusText(status);
        return;
    }
    enabled_ = true;
    LoadMapping();
    OpenFirstController();
    if (!controller_ && notice == NoPadNotice::Say) doc_.ui->SetStatusText("No gamepad connected");
}

void GamepadHelm::LoadMapping() {
    mapping_ = DefaultGamepadMapping();
    const std::string text = ReadMappingFile(doc_);
    if (text.empty()) return;
    AddControllerDefinitions(text);
    char problem[STATUS_SIZE] = {};
    if (ParseGamepadMapping(text.data(), text.size(), mapping_, problem, sizeof problem) > 0) {
        doc_.ui->ShowMessage(problem);
    }
}

bool GamepadHelm::OpenController(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return false;
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (!pad) return false;
    controller_ = pad;
    instanceId_ = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
    TakeGamepadBaseline(doc_, mapping_, Read(), state_);
    const char* name = SDL_GameControllerName(pad);
    char status[STATUS_SIZE];
    std::snprintf(status, sizeof status, "Gamepad connected: %s", name ? name : "unnamed");
    doc_.ui->SetStatusText(status);
    return true;
}

void GamepadHelm::OpenFirstController() {
    const int count = SDL_NumJoysticks();
    for (int k = 0; k < count && !controller_; ++k) OpenController(k);
}

void GamepadHelm::CloseController() {
    if (!controller_) return;
    SDL_GameControllerClose(controller_);
    controller_ = nullptr;
    instanceId_ = -1;
}

GamepadInput GamepadHelm::Read() const {
    GamepadInput input = {};
    for (int k = 0; k < GAMEPAD_AXES; ++k) {
        input.axis[k] =
            SDL_GameControllerGetAxis(controller_, static_cast<SDL_GameControllerAxis>(k));
    }
    for (int k = 0; k < GAMEPAD_BUTTONS; ++k) {
        input.button[k] =
            SDL_GameControllerGetButton(controller_, static_cast<SDL_GameControllerButton>(k)) != 0;
    }
    return input;
}

void GamepadHelm::Poll() {
    if (!enabled_) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_CONTROLLERDEVICEADDED && !controller_) {
            OpenController(event.cdevice.which);
        } else if (event.type == SDL_CONTROLLERDEVICEREMOVED && controller_ &&
                   event.cdevice.which == instanceId_) {
            CloseController();
            doc_.ui->SetStatusText("Gamepad disconnected");
            OpenFirstController();
        }
    }
    if (!controller_ || doc_.inputLocked) return;
    const bool synchronized = synchronized_ && synchronized_();
    ApplyGamepad(doc_, mapping_, Read(), synchronized, state_);
}
