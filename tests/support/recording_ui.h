#pragma once

// A UserInterface for tests: it records what the core shows and answers
// questions from queues the test fills. Include it from a test file as
// "../support/recording_ui.h".
//
// With keepLog set to false only the counters are updated, so the fake never
// allocates (for the allocation tests).

#include <cstdio>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "common/user_interface.h"

class RecordingUserInterface : public UserInterface {
public:
    bool keepLog = true;
    std::vector<std::string> statusTexts;  // status bar pane 0
    int statusTextCount = 0;
    std::vector<std::string> messages, questions;
    std::deque<bool> yesNoAnswers;           // No when the queue is empty
    std::vector<std::pair<int, int>> beeps;  // (frequency Hz, duration ms)
    // The bridge console: open or not, and what it was told to show, as
    // "engine E D P", "rudder C P", "thruster C", "runstate", "reopen".
    bool consoleOpen = false;
    std::vector<std::string> consoleCalls;
    int consoleCallCount = 0;
    int reopenConsoleCalls = 0;
    std::deque<int> chooseBoatAnswers;  // Boat Selection answers, -1 (cancel) when empty
    std::vector<std::string> chooseBoatTitles;

    void SetStatusText(const char* text) override {
        ++statusTextCount;
        if (keepLog) statusTexts.emplace_back(text);
    }
    void ShowMessage(const char* text) override {
        if (keepLog) messages.emplace_back(text);
    }
    bool AskYesNo(const char* text) override {
        if (keepLog) questions.emplace_back(text);
        return Next(yesNoAnswers, false);
    }
    void Beep(int frequencyHz, int durationMs) override {
        if (keepLog) beeps.emplace_back(frequencyHz, durationMs);
    }
    bool ConsoleIsOpen() const override { return consoleOpen; }
    void ShowEngine(int engine, int direction, int percent) override {
        Console("engine %d %d %d", engine, direction, percent);
    }
    void ShowRudder(int command, int percent) override {
        Console("rudder %d %d", command, percent);
    }
    void ShowThruster(int command) override { Console("thruster %d", command); }
    void ShowRunState() override { Console("runstate"); }
    void ReopenConsole() override {
        ++reopenConsoleCalls;
        Console("reopen");
    }
    int ChooseBoat(const char* title) override {
        if (keepLog) chooseBoatTitles.emplace_back(title);
        return Next(chooseBoatAnswers, -1);
    }

    // The last status text, or "" before any.
    const char* LastStatus() const { return statusTexts.empty() ? "" : statusTexts.back().c_str(); }
    // The last number of the last console call starting with prefix ("engine 0",
    // "rudder", "thruster"), or -999 when there is none.
    int LastConsoleNumber(const std::string& prefix) const {
        for (auto call = consoleCalls.rbegin(); call != consoleCalls.rend(); ++call) {
            if (call->rfind(prefix, 0) == 0) return std::stoi(call->substr(call->rfind(' ') + 1));
        }
        return -999;
    }

private:
    template <typename T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
    void Console(const char* format, int a = 0, int b = 0, int c = 0) {
        ++consoleCallCount;
        if (!keepLog) return;
        char line[48];
        std::snprintf(line, sizeof line, format, a, b, c);
        consoleCalls.emplace_back(line);
    }
};
