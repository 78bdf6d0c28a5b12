#pragma once

// Contacts found by the last contact pass. (Filled in with contact.)
struct ContactState {
    int contactCount;
};
