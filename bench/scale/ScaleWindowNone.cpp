#include "ScaleWindow.h"

namespace scale {

// An engine-only build has no widget libraries.
struct WindowSteps::Parts
{
};

bool WindowSteps::available() { return false; }
WindowSteps::WindowSteps(const std::string &, uint32_t) {}
WindowSteps::~WindowSteps() = default;
double WindowSteps::firstShow(bool) { return 0; }

} // namespace scale
