// Draws the game's pictures into the gfx folder: loading picture, mirror floor, menu picture,
// information panel, topic pictures, lock banner, the two flags, the particle sprite and the
// window icon. Usage: make_pictures <gfx folder>. Deterministic for a given set of fonts.
#include <cmath>
#include <cstdio>
#include <string>

#include "GameIcon.h"
#include "PictureCanvas.h"
#include "TopicPictures.h"

namespace {

const int kQuality = 90;

// The Union Flag at 1:2 on a 60 x 30 grid: St Andrew's saltire with St Patrick's red counterchanged
// (broad white uppermost at the hoist), then St George's cross fimbriated in white.
void UnionFlag(Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_scale(cr, c.width() / 60.0, c.height() / 30.0);
    SetRgb(cr, 0x012169);
    cairo_paint(cr);
    SetRgb(cr, 0xFFFFFF);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 60, 30);
    cairo_move_to(cr, 60, 0);
    cairo_line_to(cr, 0, 30);
    cairo_stroke(cr);
    // Each quadrant's red band lies between the diagonal and 2 units to its anticlockwise side.
    const double len = std::sqrt(60.0 * 60 + 30 * 30);
    const struct {
        double qx, qy, dx, dy;  // quadrant origin, outward diagonal direction
    } quads[] = {{0, 0, -60, -30}, {30, 0, 60, -30}, {30, 15, 60, 30}, {0, 15, -60, 30}};
    SetRgb(cr, 0xC8102E);
    cairo_set_line_width(cr, 2);
    for (const auto& q : quads) {
        // Anticlockwise on screen (y down) turns (dx, dy) into (dy, -dx).
        const double ox = q.dy / len, oy = -q.dx / len;
        cairo_save(cr);
        cairo_rectangle(cr, q.qx, q.qy, 30, 15);
        cairo_clip(cr);
        cairo_move_to(cr, 30 + ox, 15 + oy);
        cairo_line_to(cr, 30 + ox + q.dx, 15 + oy + q.dy);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    SetRgb(cr, 0xFFFFFF);
    cairo_rectangle(cr, 25, 0, 10, 30);
    cairo_rectangle(cr, 0, 10, 60, 10);
    cairo_fill(cr);
    SetRgb(cr, 0xC8102E);
    cairo_rectangle(cr, 27, 0, 6, 30);
    cairo_rectangle(cr, 0, 12, 60, 6);
    cairo_fill(cr);
}

// Spain's civil flag at 2:3: red, yellow (twice as tall), red.
void SpanishFlag(Canvas& c) {
    cairo_t* cr = c.cr();
    SetRgb(cr, 0xAA151B);
    cairo_paint(cr);
    SetRgb(cr, 0xF1BF00);
    cairo_rectangle(cr, 0, c.height() / 4, c.width(), c.height() / 2);
    cairo_fill(cr);
}

// A white spark with a soft, round alpha fall-off; the game tints it per system.
void Particle(Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(32, 32, 0, 32, 32, 31);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 1.0);
    cairo_pattern_add_color_stop_rgba(p, 0.2, 1, 1, 1, 0.85);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.3);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

// The logo "lexaDRILL" in the game's colours, centred at (cx, y).
void Logo(cairo_t* cr, double cx, double y, double size) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t a, b;
    cairo_text_extents(cr, "lexa", &a);
    cairo_set_font_size(cr, size * 1.2);
    cairo_text_extents(cr, "DRILL", &b);
    const double x = cx - (a.x_advance + b.x_advance) / 2;
    SetRgb(cr, 0xB33333);
    TextAt(cr, "lexa", x, y, size, true);
    SetRgb(cr, 0x1F4F9F);
    TextAt(cr, "DRILL", x + a.x_advance, y, size * 1.2, true);
}

void LoadingPicture(Canvas& c) {
    cairo_t* cr = c.cr();
    PaintVerticalGradient(cr, c.height(), 0xFAEDC7, 0xEDC785);
    SetRgb(cr, 0xAA151B);
    cairo_rectangle(cr, 0, 0, c.width(), 18);
    cairo_rectangle(cr, 0, c.height() - 18, c.width(), 18);
    cairo_fill(cr);
    Logo(cr, c.width() / 2, 120, 64);
    SetRgb(cr, 0x5A4630);
    TextCentred(cr, "Spanish vocabulary, word by word", c.width() / 2, 160, 22, false);
    TextCentred(cr, "loading...", c.width() / 2, 215, 24, true);
}

// Dark, slightly glossy stone tiles: the floor the scene is mirrored in (16 x 6 units).
void MirrorFloor(Canvas& c) {
    cairo_t* cr = c.cr();
    SetRgb(cr, 0x1C2230);
    cairo_paint(cr);
    const double tile = 100.0;  // one scene unit per tile
    for (int row = 0; row * tile < c.height(); ++row) {
        for (int col = 0; col * tile < c.width(); ++col) {
            const double shade = 0.13 + 0.035 * ((row * 7 + col * 3) % 5) / 4.0;
            cairo_set_source_rgb(cr, shade, shade + 0.02, shade + 0.07);
            cairo_rectangle(cr, col * tile + 3, row * tile + 3, tile - 6, tile - 6);
            cairo_fill(cr);
        }
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, c.width(), c.height());
    cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 0.06);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
}

// The main menu's picture: a sunny card saying hello in both languages.
void MenuPicture(Canvas& c) {
    cairo_t* cr = c.cr();
    PaintVerticalGradient(cr, c.height(), 0x8CC7F2, 0xFAE09E);
    // Sun with rays.
    SetRgb(cr, 0xF6C431);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_move_to(cr, 390 + 62 * std::cos(a), 110 + 62 * std::sin(a));
        cairo_line_to(cr, 390 + 88 * std::cos(a), 110 + 88 * std::sin(a));
    }
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    Ellipse(cr, 390, 110, 50, 50);
    cairo_fill(cr);
    // Two speech bubbles: hello / hola.
    RoundedRect(cr, 40, 190, 220, 90, 24);
    cairo_move_to(cr, 80, 278);
    cairo_line_to(cr, 60, 320);
    cairo_line_to(cr, 120, 278);
    FillStroke(cr, 0xFFFFFF, 0x1F4F9F, 5);
    SetRgb(cr, 0x1F4F9F);
    TextCentred(cr, "hello!", 150, 250, 44, true);
    RoundedRect(cr, 230, 300, 230, 90, 24);
    cairo_move_to(cr, 400, 388);
    cairo_line_to(cr, 430, 430);
    cairo_line_to(cr, 360, 388);
    FillStroke(cr, 0xFFFFFF, 0xAA151B, 5);
    SetRgb(cr, 0xAA151B);
    TextCentred(cr, "¡hola!", 345, 360, 44, true);
    Logo(cr, c.width() / 2, 470, 44);
}

// The information panel: how to choose from a list, how a run works and the keys, legible when the 4 x 4 plane fills
// most of the view.
void InfoPanel(Canvas& c) {
    cairo_t* cr = c.cr();
    SetRgb(cr, 0xFBF4E4);
    cairo_paint(cr);
    RoundedRect(cr, 14, 14, c.width() - 28, c.height() - 28, 30);
    SetRgb(cr, 0xAA151B);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    Logo(cr, c.width() / 2, 110, 62);
    SetRgb(cr, 0x333333);
    TextCentred(cr, "how to play", c.width() / 2, 175, 46, true);
    const struct {
        const char* text;
        bool heading;
    } lines[] = {
        {"choosing", true},
        {"the arrows, Up and Down or the wheel", false},
        {"move a list; a click on the highlighted", false},
        {"line or Enter chooses it", false},
        {"learning", true},
        {"each English word with its Spanish", false},
        {"answer: read, then the arrow or Enter", false},
        {"test", true},
        {"type the Spanish word, press Enter", false},
        {"in 15 seconds: 10 points, or 20 with", false},
        {"more than 10 seconds left; 70 % right", false},
        {"passes and unlocks the next topic", false},
        {"keys", true},
        {"Esc goes back, F2 speech off/on, F3 your", false},
        {"progress; F11 or Alt+Enter: full screen", false},
    };
    double y = 240;
    for (const auto& line : lines) {
        if (line.heading) {
            y += 6;
            SetRgb(cr, 0x1F4F9F);
            TextAt(cr, line.text, 64, y, 42, true);
        } else {
            SetRgb(cr, 0x222222);
            TextAt(cr, line.text, 84, y, 35, false);
        }
        y += line.heading ? 50 : 44;
    }
    SetRgb(cr, 0x555555);
    TextCentred(cr, "click the arrow or press Enter to go on", c.width() / 2, c.height() - 48, 32, true);
}

// "locked" with a padlock on a yellow and black banner (1 x 0.2 units).
void LockBanner(Canvas& c) {
    cairo_t* cr = c.cr();
    SetRgb(cr, 0xF1BF00);
    cairo_paint(cr);
    SetRgb(cr, 0x202020);
    for (double x = -100; x < c.width(); x += 60) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + 30, 0);
        cairo_line_to(cr, x + 30 + c.height(), c.height());
        cairo_line_to(cr, x + c.height(), c.height());
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    RoundedRect(cr, 120, 12, 260, 76, 16);
    FillStroke(cr, 0xFFFFFF, 0x202020, 4);
    // Padlock: shackle and body.
    cairo_arc(cr, 170, 44, 15, M_PI, 2 * M_PI);
    SetRgb(cr, 0x555555);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    RoundedRect(cr, 145, 44, 50, 36, 5);
    FillStroke(cr, 0xC8102E, 0x202020, 3);
    SetRgb(cr, 0x202020);
    Ellipse(cr, 170, 58, 5, 5);
    cairo_fill(cr);
    cairo_rectangle(cr, 168, 58, 4, 12);
    cairo_fill(cr);
    SetRgb(cr, 0xC8102E);
    TextAt(cr, "locked", 210, 68, 40, true);
}

template <typename Draw>
bool Jpeg(const std::string& path, int pw, int ph, double lw, double lh, Draw draw) {
    Canvas c(pw, ph, lw, lh);
    draw(c);
    return c.SaveJpeg(path, kQuality);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <gfx folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    bool ok = true;
    // Logical sizes keep the aspect of each picture's plane; pixel sizes are powers of two.
    ok &= Jpeg(dir + "loading.jpg", 1024, 512, 512, 256, LoadingPicture);
    ok &= Jpeg(dir + "mirror.jpg", 1024, 512, 1600, 600, MirrorFloor);
    ok &= Jpeg(dir + "glowny_bg.jpg", 512, 512, 500, 500, MenuPicture);
    ok &= Jpeg(dir + "infoscreen_free.jpg", 1024, 1024, 1024, 1024, InfoPanel);
    ok &= Jpeg(dir + "blocked.jpg", 512, 128, 500, 100, LockBanner);
    // Official proportions: 1:2 for the Union Flag, 2:3 for Spain.
    ok &= Jpeg(dir + "flag uk.jpg", 512, 256, 512, 256, UnionFlag);
    ok &= Jpeg(dir + "flag spain.jpg", 384, 256, 384, 256, SpanishFlag);
    for (int i = 0; i < kTopicCount; ++i) {
        const std::string name = dir + "tem/" + kTopicTitles[i] + ".jpg";
        ok &= Jpeg(name, 512, 512, 400, 500, [i](Canvas& c) { DrawTopicPicture(i, c); });
    }
    {
        Canvas c(64, 64, 64, 64);
        Particle(c);
        ok &= c.SaveTga(dir + "particle.tga");
    }
    {
        Canvas c(64, 64, 64, 64);
        DrawGameIcon(c);
        ok &= c.SaveBmp(dir + "icon.bmp");
    }
    if (!ok) std::fprintf(stderr, "make_pictures: could not write every picture into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
