// Cairo surface wrapper and the small path and paint helpers of the art generators.
#include "tools/assettool/art_canvas.h"

#include <cmath>

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

ArtImage Canvas::Image() const {
    cairo_surface_flush(surface_);
    ArtImage out;
    out.width = width_;
    out.height = height_;
    out.rgba.resize(size_t(width_) * height_ * 4);
    const u8* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        const u32* row = reinterpret_cast<const u32*>(data + size_t(y) * stride);
        u8* dst = &out.rgba[size_t(y) * width_ * 4];
        for (int x = 0; x < width_; ++x, dst += 4) {
            const u32 p = row[x];
            const u32 a = p >> 24;
            // Cairo stores premultiplied colour; undo it with rounding.
            auto straight = [a](u32 c) { return a ? u8((c * 255 + a / 2) / a) : u8(0); };
            dst[0] = straight((p >> 16) & 0xFF);
            dst[1] = straight((p >> 8) & 0xFF);
            dst[2] = straight(p & 0xFF);
            dst[3] = u8(a);
        }
    }
    return out;
}

void SetColor(cairo_t* cr, Rgba c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

Rgba Grey(f64 level, f64 alpha) {
    return {level, level, level, alpha};
}

void PolygonPath(cairo_t* cr, const ArtPoint* points, int count) {
    cairo_new_path(cr);
    for (int i = 0; i < count; ++i) cairo_line_to(cr, points[i].x, points[i].y);
    cairo_close_path(cr);
}

void RoundedRectPath(cairo_t* cr, f64 x, f64 y, f64 w, f64 h, f64 r) {
    const f64 quarter = M_PI / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -quarter, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, quarter);
    cairo_arc(cr, x + r, y + h - r, r, quarter, 2 * quarter);
    cairo_arc(cr, x + r, y + r, r, 2 * quarter, 3 * quarter);
    cairo_close_path(cr);
}

void FillGlow(cairo_t* cr, f64 x, f64 y, f64 r, Rgba c) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, c.a);
    cairo_pattern_add_color_stop_rgba(p, 0.35, c.r, c.g, c.b, c.a * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void FillVertical(cairo_t* cr, f64 y0, Rgba top, f64 y1, Rgba bottom, bool preserve) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    if (preserve)
        cairo_fill_preserve(cr);
    else
        cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void CarveEdge(cairo_t* cr, f64 width) {
    cairo_save(cr);
    cairo_clip_preserve(cr); // clear only inside the shape
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_set_line_width(cr, width * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ClipRect(cairo_t* cr, const ArtRect& r) {
    cairo_new_path(cr);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_clip(cr);
}
