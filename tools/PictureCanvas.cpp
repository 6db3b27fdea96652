// Canvas and picture writers for the content generators (see PictureCanvas.h).
#include "PictureCanvas.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "formats/JpegReader.h"

Canvas::Canvas(int pixelWidth, int pixelHeight, double logicalWidth, double logicalHeight)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelWidth, pixelHeight)),
      cr_(cairo_create(surface_)),
      pixelWidth_(pixelWidth),
      pixelHeight_(pixelHeight),
      logicalWidth_(logicalWidth),
      logicalHeight_(logicalHeight) {
    cairo_scale(cr_, pixelWidth / logicalWidth, pixelHeight / logicalHeight);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::Pixels(unsigned char* rgba) const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < pixelHeight_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < pixelWidth_; ++x) {
            const uint32_t p = row[x];
            const unsigned a = p >> 24;
            unsigned char* out = rgba + (size_t(y) * pixelWidth_ + x) * 4;
            for (int c = 0; c < 3; ++c) {
                const unsigned v = (p >> (16 - 8 * c)) & 0xFF;  // premultiplied R, G, B
                out[c] = a ? static_cast<unsigned char>((v * 255 + a / 2) / a) : 0;
            }
            out[3] = static_cast<unsigned char>(a);
        }
    }
}

static bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool Canvas::SaveJpeg(const std::string& path, int quality) const {
    std::vector<unsigned char> rgba(size_t(pixelWidth_) * pixelHeight_ * 4);
    Pixels(rgba.data());
    // Flatten onto black: the pictures paint an opaque background, so this only guards edges.
    std::vector<uint8_t> rgb(size_t(pixelWidth_) * pixelHeight_ * 3);
    for (size_t i = 0, n = size_t(pixelWidth_) * pixelHeight_; i < n; ++i) {
        for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = uint8_t(rgba[i * 4 + c] * rgba[i * 4 + 3] / 255);
    }
    std::vector<uint8_t> jpeg;
    return EncodeJpeg(rgb.data(), pixelWidth_, pixelHeight_, quality, jpeg) && WriteFile(path, jpeg);
}

static void Put16(std::vector<uint8_t>& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}

static void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

bool Canvas::SaveTga(const std::string& path) const {
    std::vector<unsigned char> rgba(size_t(pixelWidth_) * pixelHeight_ * 4);
    Pixels(rgba.data());
    std::vector<uint8_t> b = {0, 0, 2, 0, 0, 0, 0, 0};  // no id, no palette, true colour
    Put16(b, 0);
    Put16(b, 0);
    Put16(b, pixelWidth_);
    Put16(b, pixelHeight_);
    b.push_back(32);
    // 8 alpha bits, rows bottom-up: the game's reader refuses descriptors above 32, which rules
    // out the top-left origin flag together with the alpha bits.
    b.push_back(0x08);
    for (int y = pixelHeight_ - 1; y >= 0; --y) {
        const unsigned char* row = &rgba[size_t(y) * pixelWidth_ * 4];
        for (int x = 0; x < pixelWidth_; ++x) {
            const unsigned char* p = row + x * 4;
            b.insert(b.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    return WriteFile(path, b);
}

bool Canvas::SaveBmp(const std::string& path) const {
    std::vector<unsigned char> rgba(size_t(pixelWidth_) * pixelHeight_ * 4);
    Pixels(rgba.data());
    const uint32_t imageBytes = uint32_t(rgba.size()), offset = 14 + 40;
    std::vector<uint8_t> b = {'B', 'M'};
    Put32(b, offset + imageBytes);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, uint32_t(pixelWidth_));
    Put32(b, uint32_t(pixelHeight_));  // positive: rows bottom-up
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, 0);  // BI_RGB; SDL takes the fourth byte as alpha
    Put32(b, imageBytes);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = pixelHeight_ - 1; y >= 0; --y) {
        for (int x = 0; x < pixelWidth_; ++x) {
            const unsigned char* p = &rgba[(size_t(y) * pixelWidth_ + x) * 4];
            b.insert(b.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    return WriteFile(path, b);
}

bool Canvas::SavePng(const std::string& path) const {
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

void SetRgb(cairo_t* cr, unsigned hex) { SetRgba(cr, hex, 1.0); }

void SetRgba(cairo_t* cr, unsigned hex, double alpha) {
    cairo_set_source_rgba(cr, ((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0,
                          alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void PaintVerticalGradient(cairo_t* cr, double height, unsigned top, unsigned bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, height);
    for (const auto& [at, hex] : {std::pair<double, unsigned>{0, top}, {1, bottom}}) {
        cairo_pattern_add_color_stop_rgb(gradient, at, ((hex >> 16) & 0xFF) / 255.0,
                                         ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0);
    }
    cairo_set_source(cr, gradient);
    cairo_paint(cr);
    cairo_pattern_destroy(gradient);
}

void FillStroke(cairo_t* cr, unsigned fill, unsigned line, double width) {
    SetRgb(cr, fill);
    cairo_fill_preserve(cr);
    SetRgb(cr, line);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

static void SelectFont(cairo_t* cr, double size, bool bold) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

void TextCentred(cairo_t* cr, const std::string& utf8, double cx, double y, double size, bool bold) {
    SelectFont(cr, size, bold);
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8.c_str(), &e);
    cairo_move_to(cr, cx - e.x_advance / 2, y);
    cairo_show_text(cr, utf8.c_str());
}

double TextAt(cairo_t* cr, const std::string& utf8, double x, double y, double size, bool bold) {
    SelectFont(cr, size, bold);
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8.c_str(), &e);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, utf8.c_str());
    return e.x_advance;
}
