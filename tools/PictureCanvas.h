// A Cairo drawing surface for the picture generators, plus the writers of the formats the game
// reads (JPEG, 32-bit TGA, 32-bit BMP). A canvas is drawn in "plane units": its logical size has
// the aspect of the scene plane it will cover, while the pixel size is a texture-friendly size,
// so shapes come out undistorted on the plane whatever the pixel aspect.
#pragma once

#include <cairo.h>

#include <string>

class Canvas {
public:
    // Pixel size, and the logical size the drawing code uses (x to the right, y down).
    Canvas(int pixelWidth, int pixelHeight, double logicalWidth, double logicalHeight);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    double width() const { return logicalWidth_; }
    double height() const { return logicalHeight_; }

    // Writes the opaque RGB pixels as a JPEG file.
    bool SaveJpeg(const std::string& path, int quality) const;
    // Writes the pixels as uncompressed 32-bit TGA with straight alpha, bottom row first.
    bool SaveTga(const std::string& path) const;
    // Writes a 32-bit BMP (bottom-up, BGRA) that SDL_LoadBMP reads with its alpha.
    bool SaveBmp(const std::string& path) const;
    // Writes the pixels as a PNG file with alpha (the desktop icons).
    bool SavePng(const std::string& path) const;

private:
    // Straight (non-premultiplied) RGBA bytes, top row first.
    void Pixels(unsigned char* rgba) const;

    cairo_surface_t* surface_;
    cairo_t* cr_;
    int pixelWidth_, pixelHeight_;
    double logicalWidth_, logicalHeight_;
};

// Drawing helpers shared by the pictures.
void SetRgb(cairo_t* cr, unsigned hex);
void SetRgba(cairo_t* cr, unsigned hex, double alpha);
// Paints the whole surface with a vertical gradient from `top` (y = 0) to `bottom` (y = height).
void PaintVerticalGradient(cairo_t* cr, double height, unsigned top, unsigned bottom);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// Fills the current path with `fill`, then strokes it with `line` at `width`.
void FillStroke(cairo_t* cr, unsigned fill, unsigned line, double width);
// Text in DejaVu Sans, centred horizontally on cx with its baseline at y.
void TextCentred(cairo_t* cr, const std::string& utf8, double cx, double y, double size, bool bold);
// Text with its left end at x and its baseline at y; returns the advance.
double TextAt(cairo_t* cr, const std::string& utf8, double x, double y, double size, bool bold);
