// The portable renderer against the QPainter renderer the program drew with before:
// thousands of random shapes (fixed seed), each drawn on a white image by both.
//
// Rectangles must agree pixel for pixel. Ellipses, lines and triangles may differ
// only in a band one pixel wide along the outline, where the two rasterisers round
// the same curve differently: every pixel that differs must have, in its 3 x 3
// neighbourhood in each of the two images, both a pixel of the shape's colour and a
// pixel of another colour (a neighbour off the image counts as either, since the
// shape may go on there). A shape that one renderer draws and the other leaves out,
// or that comes out a pixel thicker all along, fails.
//
// Two faults of the reference are set aside, and counted: its midpoint ellipses of
// some wide, flat boxes overshoot the box by up to two pixels on either side or stop
// short of the box's sides (the new renderer's pixels on the box's sides are then not
// compared), and its
// pens as wide as an ellipse leave a hole in the middle, where a round pen dragged
// along the curve covers everything (such ellipses are compared by their outer
// outline: each row filled from its first pixel of ink to its last, in both images).
// And where a wide pen's strokes leave a gap no more than two pixels across (the tip
// of a triangle's hole at a sharp corner), whether a pixel of it shows is a matter of
// rounding: such pixels are counted, not compared.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <vector>

#include "gfx/render/renderer.h"
#include "tests/render/shape_records.h"
#include "tests/support/reference_renderer.h"

namespace {

using gfx::ShapeKind;
using gfx::ShapeRecord;
using gfx::WorldPoint;

constexpr int W = gfx::PixelImage::Width, H = gfx::PixelImage::Height;
constexpr int CentreX = 300, CentreY = 250;
constexpr std::uint32_t WhitePixel = 0xFFFFFFFFu;

struct Tally {
    long long painted = 0, differing = 0, shapes = 0, shapesDiffering = 0;
    long long overshoot = 0;  // reference pixels outside an ellipse's box
    long long shortfall = 0;  // new pixels on an ellipse's box where the reference stops short
    long long slivers = 0;    // pixels in a gap of a wide pen's stroke no more than two across
    long long filledIn = 0;   // ellipses compared by their outer outline
};

// Pens that leave at most a sliver inside an ellipse: the reference's leaves a hole
// in the middle even where the pen covers it all, and whether a pixel of a sliver
// shows is a matter of rounding. Such ellipses are compared by their outer outline.
bool penNearlyFillsEllipse(const ShapeRecord& r) {
    return r.kind == ShapeKind::Oval && r.width >= 2 &&
           std::min(r.box.right - r.box.left, r.box.top - r.box.bottom) < r.width + 2;
}

// A part of the image that holds every pixel either renderer painted, with a margin.
struct Area {
    int left = W, top = H, right = -1, bottom = -1;
    void take(int x, int y) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    void widen() {
        left = std::max(0, left - 1), top = std::max(0, top - 1);
        right = std::min(W - 1, right + 1), bottom = std::min(H - 1, bottom + 1);
    }
    bool empty() const { return right < left; }
};

// Which pixels of an image are the shape's: for a shape compared by its outer outline,
// also every pixel inside that.
class Ink {
public:
    template <typename At>
    Ink(At at, std::uint32_t colour, const Area& area, bool fillHoles)
        : area_(area),
          width_(area.right - area.left + 1),
          ink_(static_cast<std::size_t>(width_) * (area.bottom - area.top + 1)) {
        for (int y = area.top; y <= area.bottom; ++y) {
            const std::uint32_t* row = at(y);
            unsigned char* ink = &ink_[index(area.left, y)];
            for (int x = area.left; x <= area.right; ++x) *ink++ = row[x] == colour;
        }
        if (fillHoles) fill();
    }
    bool at(int x, int y) const {
        return x >= area_.left && x <= area_.right && y >= area_.top && y <= area_.bottom &&
               ink_[index(x, y)];
    }
    // Whether (x, y), without ink, lies in a gap at most two pixels across between ink
    // on either side, along its row or its column.
    bool inSliver(int x, int y) const {
        auto bounded = [&](int dx, int dy) {
            for (int step = 1; step <= 2; ++step)
                if (at(x + step * dx, y + step * dy)) return true;
            return false;
        };
        auto gap = [&](int dx, int dy) {
            int across = 1;
            for (int step = 1; step <= 2 && !at(x + step * dx, y + step * dy); ++step) ++across;
            for (int step = 1; step <= 2 && !at(x - step * dx, y - step * dy); ++step) ++across;
            return across <= 2 && bounded(dx, dy) && bounded(-dx, -dy);
        };
        return !at(x, y) && (gap(1, 0) || gap(0, 1));
    }
    // Whether both ink and no ink lie around (x, y); a neighbour off the image counts as either.
    bool onEdge(int x, int y) const {
        bool ink = false, other = false;
        for (int j = y - 1; j <= y + 1; ++j)
            for (int i = x - 1; i <= x + 1; ++i) {
                if (i < 0 || i >= W || j < 0 || j >= H)
                    ink = other = true;
                else
                    (at(i, j) ? ink : other) = true;
            }
        return ink && other;
    }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y - area_.top) * width_ + (x - area_.left);
    }
    // The outline of the stroke of an ellipse is convex: each row from its first pixel
    // of ink to its last.
    void fill() {
        for (int y = area_.top; y <= area_.bottom; ++y) {
            int first = area_.right + 1, last = area_.left - 1;
            for (int x = area_.left; x <= area_.right; ++x)
                if (ink_[index(x, y)]) first = std::min(first, x), last = std::max(last, x);
            for (int x = first; x <= last; ++x) ink_[index(x, y)] = true;
        }
    }

    Area area_;
    int width_;
    std::vector<unsigned char> ink_;
};

class Oracle {
public:
    Oracle() : renderer_(image_) {}

    // Draws the record on white with both renderers and compares the results. Returns
    // a description of the first pixel outside the band, or "".
    std::string compare(const ShapeRecord& r, bool exact, Tally& tally) {
        // Only the rows the last shape painted need whitening again.
        if (!last_.empty()) {
            reference_.render(records::rectangle(records::White, 0, -CentreX, CentreY - last_.top,
                                                 W - CentreX, CentreY - last_.bottom),
                              CentreX, CentreY);
            std::copy(white_.data() + last_.top * W, white_.data() + (last_.bottom + 1) * W,
                      image_.data() + last_.top * W);
        }
        reference_.render(r, CentreX, CentreY);
        renderer_.render(r, CentreX, CentreY);

        const QImage& ref = reference_.image();
        auto refRow = [&](int y) {
            return reinterpret_cast<const std::uint32_t*>(ref.constScanLine(y));
        };
        auto newRow = [&](int y) { return image_.data() + y * W; };
        const std::uint32_t colour = image_.value(r.colour);

        // Rows where both images are white are skipped at once.
        static const std::array<std::uint32_t, W> whiteRow = [] {
            std::array<std::uint32_t, W> row;
            row.fill(WhitePixel);
            return row;
        }();
        ++tally.shapes;
        Area area;
        long long differing = 0;
        std::string fault;
        for (int y = 0; y < H; ++y) {
            const std::uint32_t *a = refRow(y), *b = newRow(y);
            const std::size_t bytes = W * sizeof(std::uint32_t);
            if (std::memcmp(a, whiteRow.data(), bytes) == 0 &&
                std::memcmp(b, whiteRow.data(), bytes) == 0)
                continue;
            for (int x = 0; x < W; ++x) {
                const std::uint32_t va = a[x], vb = b[x];
                if (va == WhitePixel && vb == WhitePixel) continue;
                if ((va != WhitePixel && va != colour) || (vb != WhitePixel && vb != colour))
                    return "a pixel of neither colour";
                area.take(x, y);
                if (exact) {
                    ++tally.painted;
                    if (va == vb) continue;
                    ++differing;
                    if (fault.empty()) fault = describePixel(x, y, va, vb);
                }
            }
        }
        last_ = area;
        if (exact || area.empty()) {
            tally.differing += differing;
            tally.shapesDiffering += differing != 0;
            return fault;
        }
        area.widen();

        const bool fillHoles = penNearlyFillsEllipse(r);
        tally.filledIn += fillHoles;
        const Ink refInk(refRow, colour, area, fillHoles), newInk(newRow, colour, area, fillHoles);
        // The box's pixels, for ellipses drawn with the one-pixel pen.
        const bool thinOval = r.kind == ShapeKind::Oval && r.width <= 1;
        const long long boxLeft = CentreX + r.box.left, boxRight = CentreX + r.box.right;
        const long long boxTop = CentreY - r.box.top, boxBottom = CentreY - r.box.bottom;
        auto outsideBox = [&](int x, int y) {
            return x < boxLeft || x > boxRight || y < boxTop || y > boxBottom;
        };
        auto onBoxSide = [&](int x, int y) {
            return x == boxLeft || x == boxRight || y == boxTop || y == boxBottom;
        };
        for (int y = area.top; y <= area.bottom; ++y)
            for (int x = area.left; x <= area.right; ++x) {
                const bool a = refInk.at(x, y), b = newInk.at(x, y);
                tally.painted += a || b;
                if (a == b) continue;
                ++differing;
                if (thinOval && a && outsideBox(x, y)) {
                    ++tally.overshoot;
                    continue;
                }
                if (thinOval && b && onBoxSide(x, y)) {
                    ++tally.shortfall;
                    continue;
                }
                if (r.width >= 2 && (a ? newInk : refInk).inSliver(x, y)) {
                    ++tally.slivers;
                    continue;
                }
                if (fault.empty() && (!refInk.onEdge(x, y) || !newInk.onEdge(x, y)))
                    fault = describePixel(x, y, refRow(y)[x], newRow(y)[x]);
            }
        tally.differing += differing;
        tally.shapesDiffering += differing != 0;
        return fault;
    }

private:
    static std::string describePixel(int x, int y, std::uint32_t reference, std::uint32_t drawn) {
        std::ostringstream s;
        s << "pixel (" << x << ", " << y << "): reference " << std::hex << reference << ", new "
          << drawn;
        return s.str();
    }

    gfx::ReferenceRenderer reference_;
    Area last_;
    const gfx::PixelImage white_;
    gfx::PixelImage image_;
    gfx::Renderer renderer_;
};

std::string describe(const ShapeRecord& r) {
    std::ostringstream s;
    s << "kind " << static_cast<int>(r.kind) << " colour " << r.colour << " width " << r.width
      << " at";
    switch (r.kind) {
        case ShapeKind::Rectangle:
        case ShapeKind::Oval:
            s << ' ' << r.box.left << ' ' << r.box.top << ' ' << r.box.right << ' ' << r.box.bottom;
            break;
        case ShapeKind::Line:
            s << ' ' << r.from.x << ' ' << r.from.y << ' ' << r.to.x << ' ' << r.to.y;
            break;
        case ShapeKind::Triangle:
            for (const WorldPoint& c : r.corners) s << ' ' << c.x << ' ' << c.y;
            break;
        case ShapeKind::Text:
            s << ' ' << r.at.x << ' ' << r.at.y << " size " << r.pointSize;
            break;
    }
    return s.str();
}

// Random shapes of every size from a pixel to beyond the image, on it, across its
// edges and off it. Coordinates stay within a few thousand pixels, where the
// reference draws ellipses with its own midpoint rule rather than as curves.
class ShapeSource {
public:
    explicit ShapeSource(unsigned seed) : random_(seed) {}

    ShapeRecord next(ShapeKind kind) {
        ShapeRecord r;
        r.kind = kind;
        r.colour = shapeColour();
        r.width = pick(0, 6);
        const long long cx = pick(-450, 450), cy = pick(-400, 400);
        const long long size = this->size();
        switch (kind) {
            case ShapeKind::Rectangle:
            case ShapeKind::Oval: {
                const long long w = aspect(size), h = aspect(size);
                const long long left = cx - w / 2, bottom = cy - h / 2;
                r.box = {left, bottom + h, left + w, bottom};
                break;
            }
            case ShapeKind::Line:
                r.width = std::max(r.width, 1);  // as the library raises it
                [[fallthrough]];
            case ShapeKind::Triangle:
                for (WorldPoint& c : r.corners) {
                    c.x = cx + pick(-size, size);
                    c.y = cy + pick(-size, size);
                }
                if (kind == ShapeKind::Line) {
                    r.from = r.corners[0], r.to = r.corners[1];
                    r.corners = {};
                }
                break;
            case ShapeKind::Text:
                break;
        }
        return r;
    }

private:
    long long pick(long long lo, long long hi) {
        return std::uniform_int_distribution<long long>(lo, hi)(random_);
    }
    // Any colour but white, the background, and black, which the two images share
    // nowhere else either.
    int shapeColour() { return static_cast<int>(pick(2, 23)); }
    // From 0 to about 1,500 pixels, small sizes as likely as large ones.
    long long size() {
        const double e = std::uniform_real_distribution<double>(0, std::log(1500.0))(random_);
        return static_cast<long long>(std::exp(e)) - 1;
    }
    long long aspect(long long size) { return std::max(0LL, size * pick(25, 100) / 100); }

    std::mt19937 random_;
};

const char* kindName(ShapeKind kind) {
    switch (kind) {
        case ShapeKind::Rectangle:
            return "rectangles";
        case ShapeKind::Oval:
            return "ellipses";
        case ShapeKind::Line:
            return "lines";
        case ShapeKind::Triangle:
            return "triangles";
        case ShapeKind::Text:
            return "texts";
    }
    return "";
}

void report(ShapeKind kind, const Tally& t) {
    std::printf("%-10s %5lld shapes, %5lld differ; %9lld pixels painted, %7lld differ (%.3f%%)\n",
                kindName(kind), t.shapes, t.shapesDiffering, t.painted, t.differing,
                t.painted
                    ? 100.0 * static_cast<double>(t.differing) / static_cast<double>(t.painted)
                    : 0.0);
    if (t.overshoot || t.shortfall || t.slivers || t.filledIn)
        std::printf(
            "%-10s set aside: reference pixels outside the box %lld, short of its side "
            "%lld; pixels in slivers %lld; ellipses compared by their outer outline "
            "%lld\n",
            "", t.overshoot, t.shortfall, t.slivers, t.filledIn);
}

void compareMany(ShapeKind kind, int count, unsigned seed) {
    Oracle oracle;
    ShapeSource source(seed);
    Tally tally;
    int faults = 0;
    for (int i = 0; i < count; ++i) {
        const ShapeRecord r = source.next(kind);
        const std::string fault = oracle.compare(r, kind == ShapeKind::Rectangle, tally);
        if (!fault.empty() && ++faults <= 100) ADD_FAILURE() << describe(r) << ": " << fault;
    }
    report(kind, tally);
    EXPECT_EQ(faults, 0);
    EXPECT_GT(tally.painted, 100000);  // the shapes did land on the image
}

TEST(Oracle, RectanglesAgreePixelForPixel) {
    compareMany(ShapeKind::Rectangle, 2500, 11);
}

TEST(Oracle, EllipsesDifferOnlyAlongTheirOutline) {
    compareMany(ShapeKind::Oval, 3000, 12);
}

TEST(Oracle, LinesDifferOnlyAlongTheirOutline) {
    compareMany(ShapeKind::Line, 2500, 13);
}

TEST(Oracle, TrianglesDifferOnlyAlongTheirOutline) {
    compareMany(ShapeKind::Triangle, 2500, 14);
}

// Lines and triangles with corners far off the image. Beyond some ten thousand pixels
// the reference loses precision (its wide lines drift off by pixels), so farther
// corners are left to the renderer's own tests.
TEST(Oracle, LinesAndTrianglesFromFarAwayDifferOnlyAlongTheirOutline) {
    Oracle oracle;
    Tally lines, triangles;
    std::mt19937 random(15);
    auto far = [&](long long reach) {
        return std::uniform_int_distribution<long long>(-reach, reach)(random);
    };
    int faults = 0;
    for (int i = 0; i < 600; ++i) {
        const long long reach = i % 2 == 0 ? 2000 : 6000;
        const int width = static_cast<int>(far(3)) + 3;
        // One corner near the image, so that most of them cross it.
        const long long nx = far(300), ny = far(250);
        const ShapeRecord line =
            records::line(records::Blue, std::max(width, 1), nx, ny, far(reach), far(reach));
        const ShapeRecord triangle = records::triangle(records::Red, width, nx, ny, far(reach),
                                                       far(reach), far(reach), far(reach));
        for (const auto& [r, tally] :
             {std::pair{&line, &lines}, std::pair{&triangle, &triangles}}) {
            const std::string fault = oracle.compare(*r, false, *tally);
            if (!fault.empty() && ++faults <= 10) ADD_FAILURE() << describe(*r) << ": " << fault;
        }
    }
    report(ShapeKind::Line, lines);
    report(ShapeKind::Triangle, triangles);
    EXPECT_EQ(faults, 0);
}

TEST(Oracle, SmallEllipsesOfEverySizeDifferOnlyAlongTheirOutline) {
    Oracle oracle;
    Tally tally;
    int faults = 0;
    for (int width = 0; width <= 40; ++width)
        for (int height = 0; height <= 40; ++height)
            for (int pen : {0, 1, 2, 3}) {
                const ShapeRecord r =
                    records::oval(records::Blue, pen, -20, 10 + height, -20 + width, 10);
                const std::string fault = oracle.compare(r, false, tally);
                if (!fault.empty() && ++faults <= 100)
                    ADD_FAILURE() << describe(r) << ": " << fault;
            }
    report(ShapeKind::Oval, tally);
    EXPECT_EQ(faults, 0);
}

TEST(Oracle, RectanglesReachingFarBeyondTheImageAgree) {
    Oracle oracle;
    Tally tally;
    const long long across[] = {INT_MIN, -3000000, -1, 0, 1048577, INT_MAX};
    const long long down[] = {INT_MIN, -1, 1048577, INT_MAX};
    int faults = 0;
    for (long long left : across)
        for (long long right : across)
            for (long long bottom : down)
                for (long long top : down)
                    for (int width : {0, 1, 5}) {
                        if (right < left || top < bottom) continue;
                        const ShapeRecord r =
                            records::rectangle(records::Green, width, left, top, right, bottom);
                        const std::string fault = oracle.compare(r, true, tally);
                        if (!fault.empty() && ++faults <= 10)
                            ADD_FAILURE() << describe(r) << ": " << fault;
                    }
    EXPECT_EQ(faults, 0);
}

}  // namespace
