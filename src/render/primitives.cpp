#include "render/primitives.h"

#include <cmath>

#include "render/gl_api.h"
#include "render/palette.h"

namespace {

constexpr double OCTAGON[8][2] = {
    {0.5, -0.2071}, {0.5, 0.2071},   {0.2071, 0.5},   {-0.2071, 0.5},
    {-0.5, 0.2071}, {-0.5, -0.2071}, {-0.2071, -0.5}, {0.2071, -0.5},
};

// The regular 16-gon of diameter 1, corners at 11.25° + 22.5° m.
struct Sixteen {
    double points[16][2];
    Sixteen() {
        for (int m = 0; m < 16; ++m) {
            double a = (11.25 + 22.5 * m) * 3.14159265359 / 180.0;
            points[m][0] = 0.5 * std::cos(a);
            points[m][1] = 0.5 * std::sin(a);
        }
    }
};

const double (*ShapePoints(int shape, int& count))[2] {
    static const Sixteen sixteen;
    if (shape == SHAPE_16GON) {
        count = 16;
        return sixteen.points;
    }
    count = 8;
    return OCTAGON;
}

// The arrow along +y: tip, head corners and the tail.
constexpr double ARROW[7][2] = {
    {0, 1.0}, {-0.5, 0.2}, {-0.15, 0.2}, {-0.15, 0}, {0.15, 0}, {0.15, 0.2}, {0.5, 0.2},
};

// The upper half of a circle of diameter 0.98, right to left.
constexpr double HALF_CIRCLE[5][2] = {
    {0.4904, 0}, {0.4904, 0.0976}, {0.4158, 0.2778}, {0.2778, 0.4158}, {0.0976, 0.4904},
};

}  // namespace

void SetColour(const double colour[3]) {
    glColor3d(colour[0], colour[1], colour[2]);
}

void DrawDisc(int shape, double x, double y, double z, double size) {
    int count = 0;
    const double(*points)[2] = ShapePoints(shape, count);
    glPolygonMode(GL_FRONT, GL_FILL);
    glBegin(GL_POLYGON);
    for (int k = 0; k < count; ++k) {
        glVertex3d(x + size * points[k][0], y + size * points[k][1], z);
    }
    glEnd();
    glPolygonMode(GL_FRONT, GL_LINE);
}

void DrawPost(int shape, double size, double height, double x, double y, const double topColour[3],
              const double sideColour[3]) {
    int count = 0;
    const double(*points)[2] = ShapePoints(shape, count);
    glPushAttrib(GL_CURRENT_BIT);
    glPolygonMode(GL_FRONT, GL_FILL);
    SetColour(topColour);
    glBegin(GL_POLYGON);
    for (int k = 0; k < count; ++k) {
        glVertex3d(x + size * points[k][0], y + size * points[k][1], height);
    }
    glEnd();
    SetColour(sideColour);
    glBegin(GL_QUAD_STRIP);
    for (int k = 0; k <= count; ++k) {
        const double* p = points[k % count];
        glVertex3d(x + size * p[0], y + size * p[1], 0.0);
        glVertex3d(x + size * p[0], y + size * p[1], height);
    }
    glEnd();
    glPolygonMode(GL_FRONT, GL_LINE);
    glPopAttrib();
}

void DrawArrow(double x, double y, double z, double angleDeg, double width, double length,
               const double colour[3]) {
    if (!(width > 0.0)) width = 0.01;
    if (!(length > 0.0)) length = 0.01;
    // Tip at +width, tail at -length: centre the arrow between them.
    double shift = -0.5 * (width - length);
    glPushAttrib(GL_CURRENT_BIT);
    glPushMatrix();
    glTranslated(x, y, z);
    glRotated(angleDeg, 0.0, 0.0, 1.0);
    SetColour(colour);
    glPolygonMode(GL_FRONT, GL_FILL);
    glBegin(GL_POLYGON);
    for (const auto& p : ARROW) {
        double py = (p[1] == 0.0) ? -length : width * p[1];
        glVertex3d(width * p[0], py + shift, 0.0);
    }
    glEnd();
    glPolygonMode(GL_FRONT, GL_LINE);
    glPopMatrix();
    glPopAttrib();
}

unsigned BuildShapeList(double a) {
    GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT | GL_POLYGON_BIT);
    SetColour(SHAPE_LIST_GREY);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBegin(GL_POLYGON);
    for (int k = 0; k < 5; ++k) glVertex2d(HALF_CIRCLE[k][0], HALF_CIRCLE[k][1] + a);
    for (int k = 4; k >= 0; --k) glVertex2d(-HALF_CIRCLE[k][0], HALF_CIRCLE[k][1] + a);
    for (int k = 0; k < 5; ++k) glVertex2d(-HALF_CIRCLE[k][0], -HALF_CIRCLE[k][1] - a);
    for (int k = 4; k >= 0; --k) glVertex2d(HALF_CIRCLE[k][0], -HALF_CIRCLE[k][1] - a);
    glEnd();
    glPopAttrib();
    glEndList();
    return list;
}
