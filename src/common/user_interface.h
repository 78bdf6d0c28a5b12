#pragma once

// The only way the core reaches the person at the computer. The desktop shell
// implements it with real widgets; tests and the headless runner use recording
// or silent versions. Every call is made on the one program thread.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Pane 0 of the main window's status bar.
    virtual void SetStatusText(const char* text) = 0;
    // A modal message box with an OK button.
    virtual void ShowMessage(const char* text) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool AskYesNo(const char* text) = 0;
    // The system beep with a frequency (Hz) and a duration (ms).
    virtual void Beep(int frequencyHz, int durationMs) = 0;

    // The bridge console, while one is open.
    virtual bool ConsoleIsOpen() const = 0;
    // engine 0 single/port, 1 starboard; direction -1, 0, +1; percent -100 ... 100.
    virtual void ShowEngine(int engine, int direction, int percent) = 0;
    virtual void ShowRudder(int command, int percent) = 0;  // percent of the rudder bar
    virtual void ShowThruster(int command) = 0;
    virtual void ShowRunState() = 0;
    // Closes an open console and opens it again in the layout that now applies.
    virtual void ReopenConsole() = 0;

    // Runs the Boat Selection dialog over the document's boat list and returns
    // the chosen slot, or -1 when the user cancelled.
    virtual int ChooseBoat(const char* title) = 0;
};

// A user interface that shows nothing and answers No and Cancel: the document
// uses it until a real one is attached, so the core never calls through null.
class SilentUserInterface : public UserInterface {
public:
    void SetStatusText(const char*) override {}
    void ShowMessage(const char*) override {}
    bool AskYesNo(const char*) override { return false; }
    void Beep(int, int) override {}
    bool ConsoleIsOpen() const override { return false; }
    void ShowEngine(int, int, int) override {}
    void ShowRudder(int, int) override {}
    void ShowThruster(int) override {}
    void ShowRunState() override {}
    void ReopenConsole() override {}
    int ChooseBoat(const char*) override { return -1; }
};
