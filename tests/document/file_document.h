#pragma once

// A document keeping its files in a temporary folder, with a recording user interface.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "../support/recording_ui.h"
#include "boat/boat_editing.h"
#include "boat/boat_file_commands.h"
#include "document/document.h"
#include "document/startup.h"
#include "temp_folder.h"

using Names = std::vector<std::string>;

inline const char NO_BOATS[] = "No boats on file:\n\nOperation aborted";
inline const char NO_BOAT_FILE[] = "Cannot open the boat data file:\n\nUsing default boat";
inline const char BOAT_CORRUPTED[] = "Boat file is corrupted:\n\nUsing default boat";
inline const char TRY_ANOTHER[] = "Cannot write to boat data file:\n\nTry another name";

struct FileDocument {
    TempFolder folder;
    std::string data = folder.Path();  // the data folder
    RecordingUserInterface ui;
    std::unique_ptr<CKLVNDoc> doc = std::make_unique<CKLVNDoc>();

    FileDocument() {
        ClearDocument(*doc);
        doc->ui = &ui;
    }

    // Files in "data" inside the temporary folder, to see what is written beside it.
    void UseDataSubfolder() {
        data = folder.File("data");
        std::filesystem::create_directory(data);
    }

    void StartUp() { StartUpDocument(*doc, data.c_str()); }
    void StartUpFresh() {  // the first start's one message forgotten
        StartUp();
        ui.messages.clear();
    }

    // A new boat defined through the boat dialog's values, as after OK.
    void DefineBoat(const char* name, int boatType = MOTORBOAT) {
        BoatDialogValues values;
        FillBoatDialog(*doc, values, BOAT_DIALOG_NEW, boatType);
        std::memset(values.boatName, 0, sizeof values.boatName);
        std::strncpy(values.boatName, name, sizeof values.boatName - 1);
        AcceptNewBoat(*doc, values);
    }

    void SaveBoats(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            DefineBoat(name);
            SaveBoat(*doc);
        }
    }

    std::string Slot(int i) const { return doc->settings.boatNames[i]; }
    std::string File(const std::string& name) const { return data + "/" + name; }
    Names Files() const { return TempFolder::EntriesOf(data); }
};

// A test on a document after its first start, that start's message forgotten.
struct FreshStart : ::testing::Test {
    FileDocument f;
    CKLVNDoc& doc = *f.doc;
    void SetUp() override { f.StartUpFresh(); }
};
