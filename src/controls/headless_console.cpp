#include "controls/headless_console.h"

void HeadlessConsole::Open(CKLVNDoc& doc) {
    if (console_) return;
    doc_ = &doc;
    console_.emplace(doc);
    console_->ShowOpening();
}

void HeadlessConsole::ShowEngine(int engine, int direction, int percent) {
    if (console_) console_->ShowEngine(engine, direction, percent);
}

void HeadlessConsole::ShowRudder(int command, int percent) {
    if (console_) console_->ShowRudder(command, percent);
}

void HeadlessConsole::ShowThruster(int command) {
    if (console_) console_->ShowThruster(command);
}

void HeadlessConsole::ShowRunState() {
    if (console_) console_->ShowRunState();
}

void HeadlessConsole::ReopenConsole() {
    if (!console_) return;
    console_.reset();
    Open(*doc_);
}
