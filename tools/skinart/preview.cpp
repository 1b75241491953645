#include "preview.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "color.h"
#include "metrics.h"

namespace skinart {

namespace {

namespace m = metrics;
using assetgen::Rgb8;

struct Rect {
    int x0, y0, x1, y1;
    int width() const { return x1 - x0; }
    int height() const { return y1 - y0; }
};

struct Margins {
    int left = 0, top = 0, right = 0, bottom = 0;
};

constexpr Rgb8 kDesktop{96, 112, 134};
constexpr Rgb8 kFace{238, 241, 245};
constexpr Rgb8 kText{28, 36, 48};
constexpr Rgb8 kWhite{255, 255, 255};
constexpr int kFontSize = 12;

class Painter {
public:
    Painter(const std::map<std::string, Bitmap24>& pictures, const assetgen::Font& font, Bitmap24& canvas)
        : pictures_(pictures), font_(font), canvas_(canvas) {}

    const Bitmap24& picture(const std::string& name) const {
        const auto it = pictures_.find(name);
        if (it == pictures_.end()) throw std::runtime_error("preview: no picture " + name);
        return it->second;
    }

    // Frame `index` (from 1) of a strip of `count` frames, nine-sliced into `dst`.
    void element(const std::string& name, int count, int index, Rect dst, Margins mg, bool keyed,
                 bool stacked = false) {
        const Bitmap24& strip = picture(name);
        const int fw = stacked ? strip.width : strip.width / count;
        const int fh = stacked ? strip.height / count : strip.height;
        const int fx = stacked ? 0 : fw * (index - 1), fy = stacked ? fh * (index - 1) : 0;
        if (dst.width() < mg.left + mg.right) mg.left = mg.right = 0;
        if (dst.height() < mg.top + mg.bottom) mg.top = mg.bottom = 0;
        const int xs[] = {0, mg.left, fw - mg.right, fw};
        const int ys[] = {0, mg.top, fh - mg.bottom, fh};
        const int xd[] = {dst.x0, dst.x0 + mg.left, dst.x1 - mg.right, dst.x1};
        const int yd[] = {dst.y0, dst.y0 + mg.top, dst.y1 - mg.bottom, dst.y1};
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                stretch(strip, {fx + xs[col], fy + ys[row], fx + xs[col + 1], fy + ys[row + 1]},
                        {xd[col], yd[row], xd[col + 1], yd[row + 1]}, keyed);
    }

    // A frame copied unscaled, centred in `box`.
    void glyph(const std::string& name, int count, int index, Rect box) {
        const Bitmap24& strip = picture(name);
        const int fw = strip.width / count;
        const int x = box.x0 + (box.width() - fw) / 2, y = box.y0 + (box.height() - strip.height) / 2;
        stretch(strip, {fw * (index - 1), 0, fw * index, strip.height}, {x, y, x + fw, y + strip.height}, true);
    }

    void fill(Rect r, Rgb8 c) {
        for (int y = std::max(0, r.y0); y < std::min(canvas_.height, r.y1); ++y)
            for (int x = std::max(0, r.x0); x < std::min(canvas_.width, r.x1); ++x) canvas_.at(x, y) = c;
    }

    // Text with its top-left corner near (x, top), as a 12-pixel interface font sits there.
    int text(const std::string& utf8, int x, int top, Rgb8 colour) {
        const assetgen::TextLine line = font_.render(utf8, kFontSize);
        const int baseline = top + kFontSize - 2;
        for (int y = 0; y < line.mask.height; ++y)
            for (int xx = 0; xx < line.mask.width; ++xx) {
                const int px = x + line.left + xx, py = baseline - line.ascent + y;
                if (px < 0 || py < 0 || px >= canvas_.width || py >= canvas_.height) continue;
                const float a = line.mask.at(xx, y);
                Rgb8& d = canvas_.at(px, py);
                d = {mixed(d.r, colour.r, a), mixed(d.g, colour.g, a), mixed(d.b, colour.b, a)};
            }
        return static_cast<int>(std::lround(line.advance));
    }

    int text_width(const std::string& utf8) const {
        return static_cast<int>(std::lround(font_.render(utf8, kFontSize).advance));
    }

private:
    static std::uint8_t mixed(std::uint8_t a, std::uint8_t b, float t) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
    }

    void stretch(const Bitmap24& src, Rect s, Rect d, bool keyed) {
        if (s.width() <= 0 || s.height() <= 0 || d.width() <= 0 || d.height() <= 0) return;
        for (int y = d.y0; y < d.y1; ++y)
            for (int x = d.x0; x < d.x1; ++x) {
                if (x < 0 || y < 0 || x >= canvas_.width || y >= canvas_.height) continue;
                const int sx = s.x0 + (x - d.x0) * s.width() / d.width();
                const int sy = s.y0 + (y - d.y0) * s.height() / d.height();
                const Rgb8 c = src.at(sx, sy);
                if (keyed && is_key(c)) continue;
                canvas_.at(x, y) = c;
            }
    }

    const std::map<std::string, Bitmap24>& pictures_;
    const assetgen::Font& font_;
    Bitmap24& canvas_;
};

void draw_frame(Painter& p, Rect w, const std::string& title, bool active) {
    const int frame = active ? 1 : 2;
    p.fill({w.x0 + m::border, w.y0 + m::caption, w.x1 - m::border, w.y1 - m::border}, kFace);
    p.element("left.bmp", 2, frame, {w.x0, w.y0, w.x0 + m::border, w.y1}, {0, m::caption, 0, m::border}, true);
    p.element("right.bmp", 2, frame, {w.x1 - m::border, w.y0, w.x1, w.y1}, {0, m::caption, 0, m::border}, true);
    p.element("bottom.bmp", 2, frame, {w.x0 + m::border, w.y1 - m::border, w.x1 - m::border, w.y1}, {}, false, true);
    p.element("top.bmp", 2, frame, {w.x0 + m::border, w.y0, w.x1 - m::border, w.y0 + m::caption}, {}, false, true);
    const int tx = w.x0 + m::border + m::title_shift;
    const int tw = p.text_width(title) + 2 * m::title_glow_cap;
    p.element("textback.bmp", 2, frame, {tx - m::title_glow_cap, w.y0, tx + tw - m::title_glow_cap, w.y0 + m::caption},
              {m::title_glow_cap, 0, m::title_glow_cap, 0}, true, true);
    p.text(title, tx, w.y0 + (m::caption - kFontSize) / 2, active ? kWhite : Rgb8{241, 243, 246});
    p.fill({w.x0 + m::icon_left, w.y0 + m::icon_top, w.x0 + m::icon_left + 16, w.y0 + m::icon_top + 16}, {42, 140, 122});
    const int top = w.y0 + m::button_top, bottom = top + m::button_height;
    p.element("closebutton.bmp", 4, active ? 3 : 4, {w.x1 - m::close_x, top, w.x1 - m::close_x + m::button_width, bottom}, {}, true);
    p.element("maxbutton.bmp", 4, 4, {w.x1 - m::maximise_x, top, w.x1 - m::maximise_x + m::button_width, bottom}, {}, true);
    p.element("minbutton.bmp", 4, active ? 1 : 4, {w.x1 - m::minimise_x, top, w.x1 - m::minimise_x + m::button_width, bottom}, {}, true);
}

void draw_controls(Painter& p, int x, int y) {
    // Tabs on a pane
    p.element("tabpane.bmp", 1, 1, {x, y + 21, x + 300, y + 150}, {4, 5, 4, 4}, false);
    const char* tabs[] = {"管理壁纸", "个性设置", "更新说明"};
    int tx = x + 2;
    for (int i = 0; i < 3; ++i) {
        const int w = p.text_width(tabs[i]) + 16;
        p.element("tabs.bmp", 5, i == 0 ? 2 : i == 2 ? 3 : 1, {tx, y, tx + w, y + 22}, {4, 5, 4, 2}, true);
        p.text(tabs[i], tx + 8, y + (i == 0 ? 5 : 6), kText);
        tx += w;
    }
    // Buttons
    const char* labels[] = {"添加", "删除", "清空"};
    for (int i = 0; i < 3; ++i) {
        const Rect b{x + 12, y + 34 + 25 * i, x + 46, y + 53 + 25 * i};
        p.element("buttons.bmp", 5, i == 1 ? 4 : 1, b, {4, 4, 4, 4}, true);
        p.text(labels[i], b.x0 + 5, b.y0 + 3, kText);
    }
    // A list with its scroll bar
    p.fill({x + 56, y + 34, x + 180, y + 120}, {160, 172, 188});
    p.fill({x + 57, y + 35, x + 179, y + 119}, kWhite);
    const char* rows[] = {"D:\\壁纸\\湖畔.bmp", "D:\\壁纸\\山谷.bmp", "D:\\壁纸\\晨雾.bmp", "D:\\壁纸\\海岸.bmp"};
    for (int i = 0; i < 4; ++i) {
        if (i == 1) p.fill({x + 58, y + 36 + 14 * i, x + 162, y + 50 + 14 * i}, {211, 225, 241});
        p.text(rows[i], x + 60, y + 37 + 14 * i, kText);
    }
    const int sx = x + 163;
    p.element("scrolltrack.bmp", 4, 1, {sx, y + 51, sx + 16, y + 103}, {}, false);
    p.element("scrollbar.bmp", 23, 9, {sx, y + 35, sx + 16, y + 51}, {}, true);
    p.element("scrollbar.bmp", 23, 16, {sx, y + 103, sx + 16, y + 119}, {}, true);
    p.element("scrollthumb.bmp", 3, 3, {sx, y + 56, sx + 16, y + 84}, {5, 5, 5, 5}, true);
    p.element("scrollbar.bmp", 23, 22, {sx, y + 62, sx + 16, y + 78}, {}, true);
    // Check box, radio button, progress and a combo box
    p.element("checkbox.bmp", 12, 5, {x + 190, y + 36, x + 203, y + 49}, {}, true);
    p.text("开机自动更换", x + 207, y + 36, kText);
    p.element("radiobutton.bmp", 8, 5, {x + 190, y + 56, x + 203, y + 69}, {}, true);
    p.text("随机", x + 207, y + 56, kText);
    p.element("radiobutton.bmp", 8, 2, {x + 240, y + 56, x + 253, y + 69}, {}, true);
    p.text("顺序", x + 257, y + 56, kText);
    p.element("progress.bmp", 2, 1, {x + 190, y + 78, x + 290, y + 94}, {4, 4, 4, 4}, true);
    p.element("progress.bmp", 2, 2, {x + 190, y + 78, x + 250, y + 94}, {4, 4, 4, 4}, true);
    const Rect combo{x + 190, y + 102, x + 290, y + 123};
    p.element("sunkedge.bmp", 4, 1, combo, {3, 3, 3, 3}, true);
    p.element("combobutton.bmp", 4, 4, {combo.x1 - 18, combo.y0, combo.x1, combo.y1}, {1, 2, 1, 2}, true);
    p.glyph("extraimages.bmp", 5, 4, {combo.x1 - 18, combo.y0, combo.x1, combo.y1});
    p.text("25000", combo.x0 + 5, combo.y0 + 4, kText);
    // Track bar and up-down
    p.element("track.bmp", 1, 1, {x + 12, y + 132, x + 170, y + 137}, {3, 2, 3, 2}, true);
    p.element("thumbdown.bmp", 5, 2, {x + 70, y + 124, x + 81, y + 143}, {}, true);
    p.element("updown.bmp", 8, 1, {x + 190, y + 128, x + 206, y + 139}, {3, 3, 3, 3}, true);
    p.element("updown.bmp", 8, 8, {x + 190, y + 139, x + 206, y + 150}, {3, 3, 3, 3}, true);
    p.glyph("updownvertglyph.bmp", 8, 1, {x + 190, y + 128, x + 206, y + 139});
    p.glyph("updownvertglyph.bmp", 8, 8, {x + 190, y + 139, x + 206, y + 150});
}

void draw_bottom(Painter& p, Rect w) {
    const int y = w.y1 - m::border - 22;
    const char* labels[] = {"开始", "停止", "托盘"};
    for (int i = 0; i < 3; ++i) {
        const Rect b{w.x1 - m::border - 84 * (3 - i), y - 32, w.x1 - m::border - 84 * (3 - i) + 75, y - 7};
        p.element("buttons.bmp", 5, i == 0 ? 5 : i == 2 ? 3 : 1, b, {4, 4, 4, 4}, true);
        p.text(labels[i], b.x0 + 26, b.y0 + 6, i == 2 ? Rgb8{160, 168, 178} : kText);
    }
    p.element("statusbaredges.bmp", 3, 1, {w.x0 + m::border, y + 2, w.x0 + m::border + 160, y + 22}, {3, 3, 3, 3}, false);
    p.element("statusbaredges.bmp", 3, 1, {w.x0 + m::border + 160, y + 2, w.x1 - m::border, y + 22}, {3, 3, 3, 3}, false);
    p.text("共有壁纸12张", w.x0 + m::border + 6, y + 6, {58, 70, 86});
    p.glyph("extraimages.bmp", 5, 5, {w.x1 - m::border - 13, y + 9, w.x1 - m::border - 1, y + 21});
}

void draw_menu(Painter& p, Rect r) {
    p.element("menubackground.bmp", 1, 1, r, {3, 3, 3, 3}, false);
    const char* items[] = {"显示窗体", "隐藏窗体", "-", "退  出"};
    int y = r.y0 + 3;
    for (int i = 0; i < 4; ++i) {
        const bool separator = items[i][0] == '-';
        const int h = separator ? 8 : 20;
        const Rect item{r.x0 + 3, y, r.x1 - 3, y + h};
        if (separator)
            p.element("menuitem.bmp", 5, 2, item, {4, 0, 4, 0}, true);
        else
            p.element("menuitem.bmp", 5, i == 1 ? 4 : 1, item, {4, 4, 4, 4}, true);
        if (!separator) p.text(items[i], item.x0 + 26, item.y0 + 4, kText);
        y += h;
    }
}

}  // namespace

Bitmap24 draw_preview(const std::map<std::string, Bitmap24>& pictures, const assetgen::Font& font) {
    Bitmap24 canvas(640, 300, kDesktop);
    Painter p(pictures, font, canvas);
    draw_frame(p, {372, 14, 628, 130}, "Muravane", false);
    const Rect window{16, 30, 356, 280};
    draw_frame(p, window, "Muravane", true);
    draw_controls(p, window.x0 + m::border + 8, window.y0 + m::caption + 8);
    draw_bottom(p, window);
    draw_menu(p, {420, 170, 540, 240});
    return canvas;
}

}  // namespace skinart
