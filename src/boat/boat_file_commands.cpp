#include "boat/boat_file_commands.h"

#include <cstdio>

#include "boat/boat_file.h"
#include "boat/boat_list.h"
#include "boat/hull_model.h"
#include "controls/control_state.h"
#include "docks/dock_layout.h"
#include "docks/dock_lines.h"
#include "document/document.h"
#include "document/settings_file.h"
#include "simulation/step.h"

namespace {

const char SELECTION_TITLE[] = "Boat Selection";

const char NO_BOATS[] = "No boats on file:\n\nOperation aborted";
const char CANNOT_OPEN_BOAT[] = "Cannot open the boat data file:\n\nUsing default boat";
const char BOAT_CORRUPTED[] = "Boat file is corrupted:\n\nUsing default boat";
const char LIST_FULL[] = "Boat list is full:\n\nYou must delete a boat\nbefore saving this one";
const char CANNOT_WRITE_TRY_ANOTHER[] = "Cannot write to boat data file:\n\nTry another name";
const char CANNOT_WRITE[] = "Cannot write to boat data file";
const char DELETE_CURRENT[] = "This will delete the current boat\n\nDelete it?";

constexpr int PATH_SIZE = DATA_FOLDER_SIZE + 32;

// Runs the Boat Selection dialog; the chosen slot, or -1 when the user
// cancelled or chose nothing that is listed.
int ChooseListedBoat(CKLVNDoc& doc) {
    int slot = doc.ui->ChooseBoat(SELECTION_TITLE);
    if (slot < 0 || slot >= doc.settings.boatCount) return -1;
    return slot;
}

// Loads the boat file of a listed slot into the live record. The live record
// changes only when the whole file was read and holds a usable boat.
BoatFileStatus LoadListedBoat(CKLVNDoc& doc, int slot) {
    char path[PATH_SIZE];
    if (!BoatFilePath(doc, doc.settings.boatNames[slot], path, sizeof path)) {
        return BOAT_FILE_CANNOT_OPEN;
    }
    return LoadBoatFile(path, doc.boat);
}

// A boat read from a file brings its derived geometry along: only the dock,
// which places it at its start pose, and its lines are set up again. An open
// console changes to the new boat's layout (it may have another number of
// engines).
void BringInLoadedBoat(CKLVNDoc& doc) {
    LayoutDock(doc);
    SetUpLines(doc);
    ReopenBridgeConsole(doc);
}

}  // namespace

void SaveBoat(CKLVNDoc& doc) {
    if (!doc.boatPresent) return;
    const char* name = doc.boat.boatName;
    if (doc.settings.boatCount >= BOAT_LIST_SLOTS) {
        doc.ui->ShowMessage(LIST_FULL);
        return;
    }
    char path[PATH_SIZE];
    if (!BoatFilePath(doc, name, path, sizeof path)) {
        doc.ui->ShowMessage(CANNOT_WRITE_TRY_ANOTHER);
        return;
    }
    switch (WriteBoatFile(path, doc.boat)) {
        case RECORD_FILE_CANNOT_OPEN:
            doc.ui->ShowMessage(CANNOT_WRITE_TRY_ANOTHER);
            return;
        case RECORD_FILE_SHORT:
            doc.ui->ShowMessage(CANNOT_WRITE);
            return;
        case RECORD_FILE_WHOLE:
            break;
    }
    // The list changes only when the settings file that keeps it is written:
    // a list the file does not hold would vanish at the next start.
    const SettingsRecord listed = doc.settings;
    AddBoatNameToList(doc.settings, name);
    // SaveSettings reports its own failure: one message in all.
    if (SaveSettings(doc) != 1) doc.settings = listed;
}

void OpenBoat(CKLVNDoc& doc) {
    if (doc.settings.boatCount == 0) {
        doc.ui->ShowMessage(NO_BOATS);
        return;
    }
    int slot = ChooseListedBoat(doc);
    if (slot < 0) return;
    doc.settings.currentBoatIndex = slot;
    switch (LoadListedBoat(doc, slot)) {
        case BOAT_FILE_CANNOT_OPEN:
            doc.boatPresent = false;
            doc.ui->ShowMessage(CANNOT_OPEN_BOAT);
            return;
        case BOAT_FILE_CORRUPTED:
            // The previous boat stays in the live record.
            doc.boatPresent = false;
            doc.ui->ShowMessage(BOAT_CORRUPTED);
            return;
        case BOAT_FILE_LOADED:
            break;
    }
    doc.boatPresent = true;
    BringInLoadedBoat(doc);
    ResetBoat(doc);
    SaveSettings(doc);
}

void DeleteBoat(CKLVNDoc& doc) {
    SettingsRecord& s = doc.settings;
    if (s.boatCount == 0) {
        doc.ui->ShowMessage(NO_BOATS);
        return;
    }
    int slot = ChooseListedBoat(doc);
    if (slot < 0) return;
    bool deletingCurrent = slot == s.currentBoatIndex;
    if (deletingCurrent && !doc.ui->AskYesNo(DELETE_CURRENT)) return;

    // A listed name that is no usable file name has no file to delete.
    char path[PATH_SIZE];
    if (BoatFilePath(doc, s.boatNames[slot], path, sizeof path)) std::remove(path);
    RemoveBoatName(doc, slot);

    if (deletingCurrent) {
        if (s.boatCount == 0) {
            // Nothing left to load: the default boat of the current type.
            doc.boatPresent = false;
            BuildHullOutline(doc, true);
            BuildHullPoints(doc);
            LayoutDock(doc);
        } else {
            s.currentBoatIndex = 0;
            switch (LoadListedBoat(doc, 0)) {
                case BOAT_FILE_LOADED:
                    doc.boatPresent = true;
                    BringInLoadedBoat(doc);
                    break;
                case BOAT_FILE_CORRUPTED:
                    // The deleted boat stays in the live record, as after a
                    // failed "Open ...".
                    doc.boatPresent = false;
                    doc.ui->ShowMessage(BOAT_CORRUPTED);
                    break;
                case BOAT_FILE_CANNOT_OPEN:
                    break;
            }
        }
    }
    SaveSettings(doc);
    ResetBoat(doc);
}
