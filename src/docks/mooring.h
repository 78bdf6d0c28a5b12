#pragma once

struct CKLVNDoc;

// The nine dock lines and ten fenders. (Filled in with lines and fenders.)
struct Mooring {
    int fenderCount;
};
