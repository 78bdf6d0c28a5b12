#pragma once

// A UserInterface for tests: it records what the core shows and answers
// questions from queues the test fills. Include it from a test file as
// "../support/recording_ui.h".
//
// With keepLog set to false only the counters and the last status text are
// updated, so the fake never allocates (for the allocation tests).

#include <cstdio>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "common/user_interface.h"

class RecordingUserInterface : public UserInterface {
public:
    bool keepLog = true;

    // Status bar pane 0.
    std::vector<std::string> statusTexts;
    char lastStatusText[256] = {};
    int statusTextCount = 0;

    // Message boxes, questions and their answers (No when the queue is empty).
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> yesNoAnswers;

    // Beeps as (frequency Hz, duration ms).
    std::vector<std::pair<int, int>> beeps;

    // The bridge console: open or not, and what it was told to show.
    bool consoleOpen = false;
    struct EngineShown {
        int direction;
        int percent;
    };
    int showEngineCalls[2] = {0, 0};
    EngineShown lastEngineShown[2] = {};  // the last ShowEngine per engine
    int showRudderCalls = 0;
    int lastRudderCommand = 0;
    int lastRudderPercent = 0;
    int showThrusterCalls = 0;
    int lastThrusterCommand = 0;
    int showRunStateCalls = 0;
    int reopenConsoleCalls = 0;
    // "engine E D P", "rudder C P", "thruster C", "runstate", "reopen"
    std::vector<std::string> consoleCalls;

    // Boat Selection dialog answers (-1, cancel, when the queue is empty).
    std::deque<int> chooseBoatAnswers;
    std::vector<std::string> chooseBoatTitles;

    void SetStatusText(const char* text) override {
        std::snprintf(lastStatusText, sizeof lastStatusText, "%s", text);
        ++statusTextCount;
        if (keepLog) statusTexts.emplace_back(text);
    }

    void ShowMessage(const char* text) override {
        if (keepLog) messages.emplace_back(text);
    }

    bool AskYesNo(const char* text) override {
        if (keepLog) questions.emplace_back(text);
        if (yesNoAnswers.empty()) return false;
        bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }

    void Beep(int frequencyHz, int durationMs) override {
        if (keepLog) beeps.emplace_back(frequencyHz, durationMs);
    }

    bool ConsoleIsOpen() const override { return consoleOpen; }

    void ShowEngine(int engine, int direction, int percent) override {
        if (engine == 0 || engine == 1) {
            ++showEngineCalls[engine];
            lastEngineShown[engine] = {direction, percent};
        }
        if (!keepLog) return;
        char line[48];
        std::snprintf(line, sizeof line, "engine %d %d %d", engine, direction, percent);
        consoleCalls.emplace_back(line);
    }

    void ShowRudder(int command, int percent) override {
        ++showRudderCalls;
        lastRudderCommand = command;
        lastRudderPercent = percent;
        if (!keepLog) return;
        char line[48];
        std::snprintf(line, sizeof line, "rudder %d %d", command, percent);
        consoleCalls.emplace_back(line);
    }

    void ShowThruster(int command) override {
        ++showThrusterCalls;
        lastThrusterCommand = command;
        if (keepLog) consoleCalls.push_back("thruster " + std::to_string(command));
    }

    void ShowRunState() override {
        ++showRunStateCalls;
        if (keepLog) consoleCalls.emplace_back("runstate");
    }

    void ReopenConsole() override {
        ++reopenConsoleCalls;
        if (keepLog) consoleCalls.emplace_back("reopen");
    }

    int ChooseBoat(const char* title) override {
        if (keepLog) chooseBoatTitles.emplace_back(title);
        if (chooseBoatAnswers.empty()) return -1;
        int answer = chooseBoatAnswers.front();
        chooseBoatAnswers.pop_front();
        return answer;
    }
};
