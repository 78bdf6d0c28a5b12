#pragma once

// Documents for tests, built the way the program's start-up builds them but
// without any file. Include as "../support/test_document.h".

#include <memory>

#include "document/camera.h"
#include "document/document.h"
#include "document/startup.h"
#include "simulation/gaussian_random.h"

// A document with the full default boat of boatType lying at its start pose in
// dock layout 1, paused, its random source seeded with seed.
inline std::unique_ptr<CKLVNDoc> MakeTestDocument(int boatType, unsigned seed = 1) {
    auto doc = std::make_unique<CKLVNDoc>();
    ClearDocument(*doc);
    InitCamera(*doc);
    ApplySettingsDefaults(*doc);
    doc->settings.currentBoatType = boatType;
    doc->boatPresent = false;
    SeedSimulationRandom(*doc, seed);
    BringUpDocument(*doc);
    return doc;
}

// The same boat in open water: the docks have no deck to touch.
inline std::unique_ptr<CKLVNDoc> MakeOpenWaterDocument(int boatType, unsigned seed = 1) {
    auto doc = MakeTestDocument(boatType, seed);
    doc->dock.dockRectCount = 0;
    doc->dock.pilingCount = 0;
    return doc;
}
