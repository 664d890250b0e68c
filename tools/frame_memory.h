#pragma once
// How much of a raster frame vesk-render holds at once.

// The most device pixels (width x height x scale²) a PNG or GIF frame may have: 8192 x 8192, the
// largest --size at scale 1. Such a frame takes 256 MiB as drawn, about 384 MiB while encoded.
inline constexpr long long kMaxDevicePixels = 8192LL * 8192;

// Device pixels of a frame of `width` x `height` pixels at `scale`, each edge rounded as drawn.
long long DevicePixels(int width, int height, double scale);

// How many frames --all draws at once: one per core, but never more than fit in 256 MiB (at
// least one), so that large frames are drawn one or two at a time.
unsigned FramesInFlight(unsigned cores, long long devicePixels);
