#pragma once

// The view's camera above the boat. (Filled in with the camera operations.)
struct Camera {
    double fieldOfView;
};
