#pragma once

// The fixed-function OpenGL 1.1 interface and GLU, as the distribution ships
// them. Every drawing file includes this one header.
#include <GL/gl.h>
#include <GL/glu.h>
