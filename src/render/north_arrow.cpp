#include "render/north_arrow.h"

#include "document/document.h"
#include "render/gl_api.h"
#include "render/palette.h"
#include "render/primitives.h"
#include "render/projection.h"

namespace {

constexpr int ROW_BYTES = NORTH_ARROW_WIDTH / 8;

// A one-bit picture, rows stored bottom-up as the raster bitmap expects.
struct Bitmap {
    unsigned char rows[NORTH_ARROW_HEIGHT][ROW_BYTES] = {};

    // (x, y) counted from the top-left corner.
    constexpr void Set(int x, int y) {
        if (x < 0 || x >= NORTH_ARROW_WIDTH || y < 0 || y >= NORTH_ARROW_HEIGHT) return;
        rows[NORTH_ARROW_HEIGHT - 1 - y][x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
    }
    constexpr bool IsSet(int x, int y) const {
        return (rows[NORTH_ARROW_HEIGHT - 1 - y][x / 8] & (0x80 >> (x % 8))) != 0;
    }
};

// The arrow: a shaft 4 pixels wide over the whole height, a head widening to
// 18 pixels at its base 12 rows below the tip, and a capital N 30 pixels wide
// and 26 high across the shaft.
constexpr Bitmap MakeNorthArrow() {
    Bitmap b;
    for (int y = 0; y < NORTH_ARROW_HEIGHT; ++y) {
        for (int x = 14; x <= 17; ++x) b.Set(x, y);
    }
    for (int y = 0; y <= 12; ++y) {
        int half = 1 + (y * 8) / 12;
        for (int x = 16 - half; x <= 15 + half; ++x) b.Set(x, y);
    }
    constexpr int top = 22, height = 26;
    for (int r = 0; r < height; ++r) {
        int y = top + r;
        for (int x = 1; x <= 4; ++x) b.Set(x, y);    // left stem
        for (int x = 27; x <= 30; ++x) b.Set(x, y);  // right stem
        int centre = 3 + (r * 25) / (height - 1);    // the diagonal, top left to bottom right
        for (int x = centre - 2; x <= centre + 2; ++x) b.Set(x, y);
    }
    return b;
}

constexpr Bitmap NORTH_ARROW = MakeNorthArrow();

}  // namespace

bool NorthArrowPixelSet(int x, int y) {
    if (x < 0 || x >= NORTH_ARROW_WIDTH || y < 0 || y >= NORTH_ARROW_HEIGHT) return false;
    return NORTH_ARROW.IsSet(x, y);
}

void DrawNorthArrow(CKLVNDoc& doc) {
    int width = doc.camera.clientSize[0];
    int height = doc.camera.clientSize[1];
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, width, 0.0, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glPushAttrib(GL_CURRENT_BIT);
    SetColour(PALETTE[PALETTE_BLACK]);
    glRasterPos2i(width - NORTH_ARROW_FROM_RIGHT, height - NORTH_ARROW_FROM_TOP);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBitmap(NORTH_ARROW_WIDTH, NORTH_ARROW_HEIGHT, 0.0f, 0.0f, 0.0f, 0.0f,
             &NORTH_ARROW.rows[0][0]);
    glPopAttrib();

    LoadProjection(doc.camera);
}
