// A canvas on a cairo context made by the caller: the context's own
// transform stays underneath the canvas matrix.

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/CairoCanvas.h"

using namespace FMX;

namespace {

std::uint32_t PixelAt(cairo_surface_t* S, int X, int Y) {
  cairo_surface_flush(S);
  std::uint32_t P;
  std::memcpy(&P, cairo_image_surface_get_data(S) + Y * cairo_image_surface_get_stride(S) + X * 4, 4);
  return P;
}

TEST(CairoContextTest, DeviceScaleOfTheContextIsKept) {
  cairo_surface_t* S = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 40);
  cairo_t* Cr = cairo_create(S);
  cairo_scale(Cr, 2, 2);  // a HiDPI context: one canvas unit is two pixels
  {
    TCairoCanvas C(Cr, 20, 20);
    cairo_destroy(Cr);  // the canvas holds its own reference
    EXPECT_EQ(C.Bitmap(), nullptr);
    C.SetMatrix(TMatrix::CreateTranslation(5, 0));
    C.FillRect(TRectF{0, 0, 5, 5}, 1);  // canvas (5..10, 0..5) -> pixels (10..20, 0..10)
    EXPECT_EQ(PixelAt(S, 15, 5), 0xFF000000u);
    EXPECT_EQ(PixelAt(S, 8, 5), 0u);
    EXPECT_EQ(PixelAt(S, 21, 5), 0u);

    // Someone changes the context behind the canvas's back and says so.
    cairo_set_source_rgba(C.Context(), 1, 1, 1, 1);
    cairo_identity_matrix(C.Context());
    C.InvalidateContextState();
    C.FillRect(TRectF{0, 10, 5, 15}, 1);  // again black, again scaled and moved
    EXPECT_EQ(PixelAt(S, 15, 25), 0xFF000000u);
    EXPECT_EQ(PixelAt(S, 5, 12), 0u);
    EXPECT_EQ(PixelAt(S, 2, 12), 0u);
  }
  cairo_surface_destroy(S);
}

}  // namespace
