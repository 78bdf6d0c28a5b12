#include "boat/boat_list.h"

#include <cstring>

#include "document/document.h"
#include "document/settings_file.h"

const char EMPTY_BOAT_SLOT[] = " ... ";

int AddBoatNameToList(SettingsRecord& settings, const char* name) {
    if (settings.boatCount >= BOAT_LIST_SLOTS) return -1;
    for (int slot = 0; slot < settings.boatCount; ++slot) {
        if (std::strncmp(settings.boatNames[slot], name, BOAT_LIST_NAME_SIZE) == 0) return slot;
    }
    std::size_t length = strnlen(name, BOAT_LIST_NAME_SIZE);
    if (length >= static_cast<std::size_t>(BOAT_LIST_NAME_SIZE)) return -1;
    int slot = settings.boatCount;
    std::memset(settings.boatNames[slot], 0, BOAT_LIST_NAME_SIZE);
    std::memcpy(settings.boatNames[slot], name, length);
    settings.currentBoatIndex = slot;
    ++settings.boatCount;
    return slot;
}

int AddBoatName(CKLVNDoc& doc, const char* name) {
    int countBefore = doc.settings.boatCount;
    int slot = AddBoatNameToList(doc.settings, name);
    if (doc.settings.boatCount != countBefore) SaveSettings(doc);
    return slot;
}

int RemoveBoatName(CKLVNDoc& doc, int index) {
    SettingsRecord& s = doc.settings;
    if (s.boatCount == 0) {
        doc.ui->ShowMessage("No boats on file:\n\nOperation aborted");
        return 0;
    }
    // An index past the used slots would otherwise blank the last listed name.
    if (index < 0 || index >= s.boatCount) {
        doc.ui->ShowMessage("Out of Range error\n\nInvalid boat name index");
        return -1;
    }
    for (int slot = index; slot + 1 < s.boatCount; ++slot) {
        std::memcpy(s.boatNames[slot], s.boatNames[slot + 1], BOAT_LIST_NAME_SIZE);
    }
    int last = s.boatCount - 1;
    std::memset(s.boatNames[last], 0, BOAT_LIST_NAME_SIZE);
    std::memcpy(s.boatNames[last], EMPTY_BOAT_SLOT, sizeof EMPTY_BOAT_SLOT);
    --s.boatCount;
    if (index < s.currentBoatIndex) --s.currentBoatIndex;
    return 0;
}

void FillSelectionList(const CKLVNDoc& doc, BoatSelectionList& list) {
    const SettingsRecord& s = doc.settings;
    std::memset(&list, 0, sizeof list);
    list.count = s.boatCount < 0                 ? 0
                 : s.boatCount > BOAT_LIST_SLOTS ? BOAT_LIST_SLOTS
                                                 : s.boatCount;
    list.initialSelection = s.currentBoatIndex;
    for (int slot = 0; slot < list.count; ++slot) {
        // At most 16 characters show, as the dialog holds them.
        std::size_t length = strnlen(s.boatNames[slot], SELECTION_NAME_SIZE - 1);
        std::memcpy(list.names[slot], s.boatNames[slot], length);
    }
    list.chosen = -1;
}
