// The page's sine and cosine, rounded to the nearest double as glibc's are on the desktop. The C
// library of emscripten (musl) now and then returns the double next to the nearest: sin(-240°)
// comes out as 0x1.bb67ae8584ca9p-1 where the nearest is ...ca8. The core rounds coordinates at
// half a pixel, so such a last bit moved points of the explorer's picture one pixel away from the
// desktop's, in the balanced supply among others. Computed in WebAssembly's 113-bit long double
// and rounded once, they are the nearest doubles; an explorer frame takes about 0.7 ms longer.
//
// These definitions take the place of the library's when the page is linked: the library's
// archive is searched only for what is still missing.
#include <cmath>

extern "C" double sin(double x) { return static_cast<double>(sinl(x)); }
extern "C" double cos(double x) { return static_cast<double>(cosl(x)); }
