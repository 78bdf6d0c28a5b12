#pragma once

// A document that keeps its files in a temporary folder and talks to a
// recording user interface, for the tests of the file commands and start-up.

#include <cstring>
#include <memory>
#include <string>

#include "../support/recording_ui.h"
#include "boat/boat_editing.h"
#include "document/document.h"
#include "document/startup.h"
#include "temp_folder.h"

struct FileDocument {
    TempFolder folder;
    RecordingUserInterface ui;
    std::unique_ptr<CKLVNDoc> doc = std::make_unique<CKLVNDoc>();

    FileDocument() {
        ClearDocument(*doc);
        doc->ui = &ui;
    }

    void StartUp() { StartUpDocument(*doc, folder.Path().c_str()); }

    // Start-up in the empty folder, with its one message forgotten.
    void StartUpFresh() {
        StartUp();
        ui.messages.clear();
    }

    // A new boat of a type under a name, defined through the boat dialog's
    // values as the shell hands them over after OK.
    void DefineBoat(const char* name, int boatType = MOTORBOAT) {
        BoatDialogValues values;
        FillBoatDialog(*doc, values, BOAT_DIALOG_NEW, boatType);
        std::memset(values.boatName, 0, sizeof values.boatName);
        std::strncpy(values.boatName, name, sizeof values.boatName - 1);
        AcceptNewBoat(*doc, values);
    }

    std::string Slot(int i) const { return doc->settings.boatNames[i]; }
};
