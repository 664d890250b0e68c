#include "frame_memory.h"

#include <algorithm>
#include <cmath>

namespace {

// Drawn (4 bytes a pixel), made indexed (1) and encoded (up to 1 more).
constexpr long long kBytesPerPixel = 6;
constexpr long long kBudget = 256LL << 20;
constexpr unsigned kMostThreads = 16;

}  // namespace

long long DevicePixels(int width, int height, double scale) {
    const auto edge = [scale](int pixels) {
        return static_cast<long long>(std::floor(pixels * scale + 0.5));
    };
    return edge(width) * edge(height);
}

unsigned FramesInFlight(unsigned cores, long long devicePixels) {
    const long long fit = kBudget / std::max(1LL, devicePixels * kBytesPerPixel);
    const long long most = std::clamp(static_cast<long long>(cores), 1LL, 1LL * kMostThreads);
    return static_cast<unsigned>(std::clamp(fit, 1LL, most));
}
