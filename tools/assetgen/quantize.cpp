#include "quantize.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <tuple>
#include <unordered_map>

namespace assetgen {

namespace {

// Green weighs most and blue least, roughly as the eye sees differences.
constexpr std::array<float, 3> kWeight{3.0f, 4.0f, 2.0f};

int channel(const Rgb8& c, int axis) { return axis == 0 ? c.r : axis == 1 ? c.g : c.b; }

// A run of the working colour list that becomes one palette entry.
struct ColourBox {
    std::size_t begin = 0, end = 0;
    int widest_axis = 0;  // channel with the largest weighted spread
    double spread = 0;    // weighted variance times pixel count: the error a split removes
};

ColourBox measure(const std::vector<ColourCount>& colours, std::size_t begin, std::size_t end) {
    ColourBox box{begin, end, 0, 0};
    if (end - begin < 2) return box;
    for (int axis = 0; axis < 3; ++axis) {
        double n = 0, sum = 0, sum2 = 0;
        for (std::size_t i = begin; i < end; ++i) {
            const double v = channel(colours[i].colour, axis);
            n += colours[i].count;
            sum += v * colours[i].count;
            sum2 += v * v * colours[i].count;
        }
        const double variance = (sum2 - sum * sum / n) * kWeight[static_cast<std::size_t>(axis)];
        if (variance > box.spread) {
            box.spread = variance;
            box.widest_axis = axis;
        }
    }
    return box;
}

// Sorts the box along its widest channel and splits it where the two halves' weighted
// squared error along that channel is least. A plain median would cut through a large
// flat area and leave a small bright one (the sun) without an entry of its own.
std::size_t best_split(std::vector<ColourCount>& colours, const ColourBox& box) {
    const auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
    const auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
    const int axis = box.widest_axis;
    std::sort(first, last, [axis](const ColourCount& a, const ColourCount& b) {
        return channel(a.colour, axis) < channel(b.colour, axis);
    });
    double n_all = 0, sum_all = 0, sum2_all = 0;
    for (auto it = first; it != last; ++it) {
        const double v = channel(it->colour, axis);
        n_all += it->count;
        sum_all += v * it->count;
        sum2_all += v * v * it->count;
    }
    double n = 0, sum = 0, sum2 = 0;
    double best_error = std::numeric_limits<double>::max();
    std::size_t best = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        const double v = channel(colours[i].colour, axis);
        n += colours[i].count;
        sum += v * colours[i].count;
        sum2 += v * v * colours[i].count;
        // Equal values must stay together, or the two boxes would overlap.
        if (channel(colours[i + 1].colour, axis) == channel(colours[i].colour, axis)) continue;
        const double rest_n = n_all - n, rest_sum = sum_all - sum, rest_sum2 = sum2_all - sum2;
        const double error = (sum2 - sum * sum / n) + (rest_sum2 - rest_sum * rest_sum / rest_n);
        if (error < best_error) {
            best_error = error;
            best = i + 1;
        }
    }
    return best;
}

Rgb8 mean_colour(const std::vector<ColourCount>& colours, std::size_t begin, std::size_t end) {
    double r = 0, g = 0, b = 0, n = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const double w = colours[i].count;
        r += colours[i].colour.r * w;
        g += colours[i].colour.g * w;
        b += colours[i].colour.b * w;
        n += w;
    }
    return {static_cast<std::uint8_t>(std::lround(r / n)), static_cast<std::uint8_t>(std::lround(g / n)),
            static_cast<std::uint8_t>(std::lround(b / n))};
}

float distance2(const Rgb8& p, float r, float g, float b) {
    const float dr = static_cast<float>(p.r) - r;
    const float dg = static_cast<float>(p.g) - g;
    const float db = static_cast<float>(p.b) - b;
    return kWeight[0] * dr * dr + kWeight[1] * dg * dg + kWeight[2] * db * db;
}

}  // namespace

std::vector<ColourCount> histogram(const Image& image) {
    std::unordered_map<std::uint32_t, std::uint32_t> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Rgb8 c = unpremultiplied8(image.at(x, y));
            ++counts[(static_cast<std::uint32_t>(c.r) << 16) | (c.g << 8) | c.b];
        }
    std::vector<ColourCount> out;
    out.reserve(counts.size());
    for (const auto& [key, count] : counts)
        out.push_back({{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                        static_cast<std::uint8_t>(key)},
                       count});
    // Hash order differs between library builds; sorting keeps the output reproducible.
    std::sort(out.begin(), out.end(), [](const ColourCount& a, const ColourCount& b) {
        return std::tie(a.colour.r, a.colour.g, a.colour.b) < std::tie(b.colour.r, b.colour.g, b.colour.b);
    });
    return out;
}

std::vector<Rgb8> median_cut(std::vector<ColourCount> colours, int palette_size) {
    std::vector<ColourBox> boxes{measure(colours, 0, colours.size())};
    while (static_cast<int>(boxes.size()) < palette_size) {
        const auto widest = std::max_element(boxes.begin(), boxes.end(),
            [](const ColourBox& a, const ColourBox& b) { return a.spread < b.spread; });
        if (widest->spread <= 0) break;
        const ColourBox box = *widest;
        const std::size_t split = best_split(colours, box);
        *widest = measure(colours, box.begin, split);
        boxes.push_back(measure(colours, split, box.end));
    }
    std::vector<Rgb8> palette;
    for (const ColourBox& box : boxes) palette.push_back(mean_colour(colours, box.begin, box.end));
    return palette;
}

void refine_palette(const std::vector<ColourCount>& colours, std::vector<Rgb8>& palette,
                    int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
        for (const ColourCount& c : colours) {
            auto& s = sums[static_cast<std::size_t>(nearest_index(palette, c.colour.r, c.colour.g, c.colour.b))];
            s[0] += static_cast<double>(c.colour.r) * c.count;
            s[1] += static_cast<double>(c.colour.g) * c.count;
            s[2] += static_cast<double>(c.colour.b) * c.count;
            s[3] += c.count;
        }
        for (std::size_t i = 0; i < palette.size(); ++i) {
            if (sums[i][3] == 0) continue;  // an entry nobody picked keeps its place
            palette[i] = {static_cast<std::uint8_t>(std::lround(sums[i][0] / sums[i][3])),
                          static_cast<std::uint8_t>(std::lround(sums[i][1] / sums[i][3])),
                          static_cast<std::uint8_t>(std::lround(sums[i][2] / sums[i][3]))};
        }
    }
}

int nearest_index(const std::vector<Rgb8>& palette, float r, float g, float b) {
    int best = 0;
    float best_d = std::numeric_limits<float>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const float d = distance2(palette[i], r, g, b);
        if (d < best_d) {
            best_d = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

IndexedImage dither(const Image& image, const std::vector<Rgb8>& palette) {
    const int w = image.width(), h = image.height();
    IndexedImage out{w, h, palette, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h)};
    // Two rows of carried error, three channels each, with a guard column on both sides.
    std::vector<std::array<float, 3>> current(static_cast<std::size_t>(w) + 2, {0, 0, 0});
    std::vector<std::array<float, 3>> next(current.size(), {0, 0, 0});
    for (int y = 0; y < h; ++y) {
        const bool leftward = y % 2 == 1;
        const int dir = leftward ? -1 : 1;
        for (int i = 0; i < w; ++i) {
            const int x = leftward ? w - 1 - i : i;
            const Rgb8 source = unpremultiplied8(image.at(x, y));
            const auto& carried = current[static_cast<std::size_t>(x + 1)];
            const float want[3] = {std::clamp(source.r + carried[0], 0.0f, 255.0f),
                                   std::clamp(source.g + carried[1], 0.0f, 255.0f),
                                   std::clamp(source.b + carried[2], 0.0f, 255.0f)};
            const int index = nearest_index(palette, want[0], want[1], want[2]);
            out.indices[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(index);
            const Rgb8& got = palette[static_cast<std::size_t>(index)];
            const float err[3] = {want[0] - got.r, want[1] - got.g, want[2] - got.b};
            for (int c = 0; c < 3; ++c) {
                current[static_cast<std::size_t>(x + 1 + dir)][static_cast<std::size_t>(c)] += err[c] * 7.0f / 16.0f;
                next[static_cast<std::size_t>(x + 1 - dir)][static_cast<std::size_t>(c)] += err[c] * 3.0f / 16.0f;
                next[static_cast<std::size_t>(x + 1)][static_cast<std::size_t>(c)] += err[c] * 5.0f / 16.0f;
                next[static_cast<std::size_t>(x + 1 + dir)][static_cast<std::size_t>(c)] += err[c] * 1.0f / 16.0f;
            }
        }
        std::swap(current, next);
        std::fill(next.begin(), next.end(), std::array<float, 3>{0, 0, 0});
    }
    return out;
}

IndexedImage reduce_colours(const Image& image, int palette_size) {
    std::vector<ColourCount> colours = histogram(image);
    // Damping the counts gives small areas (the sun, the lit clouds) palette entries of
    // their own instead of spending nearly all of them on the large dark sky.
    for (ColourCount& c : colours)
        c.count = static_cast<std::uint32_t>(std::lround(std::pow(static_cast<double>(c.count), 0.75) * 4.0));
    std::vector<Rgb8> palette = median_cut(colours, palette_size);
    refine_palette(colours, palette, 6);
    return dither(image, palette);
}

}  // namespace assetgen
