#pragma once

struct CKLVNDoc;

// The document's start-up as the program runs it: reads (or writes) the
// settings file and the current boat from the data folder, then brings every
// subsystem to its initial state.
void StartUpDocument(CKLVNDoc& doc, const char* dataFolder);

// Start-up from the settings and boat already in the document (doc.settings,
// doc.boat and doc.boatPresent): dock tables, hull, lines, simulation and
// control state, dock layout. Used by StartUpDocument and by the headless
// runner, which builds its settings in memory.
void BringUpDocument(CKLVNDoc& doc);

// Every field of the settings record to its default; unit factors 1; the
// persisted environment record copied into the working copy.
void ApplySettingsDefaults(CKLVNDoc& doc);
