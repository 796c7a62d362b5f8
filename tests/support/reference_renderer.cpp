#include "tests/support/reference_renderer.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPen>
#include <QPolygon>
#include <QRectF>
#include <algorithm>
#include <initializer_list>

namespace gfx {

namespace {
// A zero size asks for the platform's default height.
constexpr int DefaultTextHeight = 16;
}  // namespace

ReferenceRenderer::ReferenceRenderer() : image_(ImageWidth, ImageHeight, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    // Every palette colour is opaque: writing pixels outright skips the blending.
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
}

ReferenceRenderer::~ReferenceRenderer() {
    painter_->end();
}

QColor ReferenceRenderer::colour(int index) {
    const Colour& c = colourAt(index);
    return QColor(c.red, c.green, c.blue);
}

void ReferenceRenderer::clear() {
    // White brush, default one-pixel black pen, over the whole image.
    painter_->setPen(QPen(Qt::black, 0));
    painter_->setBrush(Qt::white);
    painter_->drawRect(0, 0, ImageWidth - 1, ImageHeight - 1);
}

const ReferenceRenderer::FontEntry& ReferenceRenderer::fontFor(int pointSize) {
    auto& slot = fonts_[pointSize];
    if (!slot) {
        QFont font(QStringLiteral("DROVA-font"));
        font.setPixelSize(pointSize > 0 ? pointSize : DefaultTextHeight);
        font.setWeight(QFont::Normal);
        font.setStyleStrategy(QFont::NoAntialias);
        QFontMetrics metrics(font);
        slot = FontEntry{font, metrics.height(), metrics.ascent()};
    }
    return *slot;
}

const QStaticText& ReferenceRenderer::staticText(int pointSize, std::string_view line) {
    // The same few labels come back every frame; laying them out once saves most of
    // the cost of text. The cache is bounded for programs that draw ever new texts.
    if (texts_.size() > MaxCachedTexts) texts_.clear();
    auto [it, added] = texts_.try_emplace({pointSize, std::string(line)});
    if (added) {
        it->second.setText(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
        it->second.setTextFormat(Qt::PlainText);
        it->second.setPerformanceHint(QStaticText::AggressiveCaching);
        it->second.prepare(QTransform(), fontFor(pointSize).font);
    }
    return it->second;
}

namespace {

// Pixel coordinates beyond this are far off the image; the window system's own
// arithmetic is kept well inside it.
constexpr long long Far = 1 << 20;
// A pen wider than this covers the whole image from anywhere near it.
constexpr int MaxPenWidth = 4096;

long long clampFar(long long v) {
    return std::clamp(v, -Far, Far);
}
bool near(std::initializer_list<long long> values) {
    return std::all_of(values.begin(), values.end(),
                       [](long long v) { return v >= -Far && v <= Far; });
}

}  // namespace

void ReferenceRenderer::render(const ShapeRecord& r, int cx, int cy) {
    QPainter& p = *painter_;
    const QColor c = colour(r.colour);
    const int width = std::min(r.width, MaxPenWidth);
    // Width 0 and 1 both give the thinnest pen; wider pens have round ends as the platform's.
    QPen pen(c, width <= 1 ? 0 : width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // World to pixel, in 64 bits so that no coordinate can overflow.
    auto px = [cx](long long x) { return cx + x; };
    auto py = [cy](long long y) { return cy - y; };
    switch (r.kind) {
        case ShapeKind::Rectangle: {
            const long long x1 = px(r.box.left), y1 = py(r.box.top);
            const long long x2 = px(r.box.right), y2 = py(r.box.bottom);
            // Clamping moves only edges that lie far off the image.
            const int left = static_cast<int>(clampFar(x1)), top = static_cast<int>(clampFar(y1));
            const int w = static_cast<int>(clampFar(x2) - left),
                      h = static_cast<int>(clampFar(y2) - top);
            if (width == 0) {
                // Filled: both corner pixels included.
                p.fillRect(left, top, w + 1, h + 1, c);
            } else if (width == 1) {
                // A one-pixel outline as four runs of pixels: much cheaper than stroking.
                p.fillRect(left, top, w + 1, 1, c);
                p.fillRect(left, top + h, w + 1, 1, c);
                p.fillRect(left, top, 1, h + 1, c);
                p.fillRect(left + w, top, 1, h + 1, c);
            } else {
                pen.setJoinStyle(Qt::MiterJoin);
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawRect(left, top, w, h);
            }
            break;
        }
        case ShapeKind::Oval: {
            const long long x1 = px(r.box.left), y1 = py(r.box.top);
            const long long x2 = px(r.box.right), y2 = py(r.box.bottom);
            p.setPen(width == 0 ? QPen(c, 0) : pen);
            p.setBrush(width == 0 ? QBrush(c) : QBrush(Qt::NoBrush));
            if (near({x1, y1, x2, y2}))
                p.drawEllipse(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2 - x1),
                              static_cast<int>(y2 - y1));
            else
                p.drawEllipse(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
            break;
        }
        case ShapeKind::Triangle: {
            const auto& [a, b, k] = r.corners;
            const long long x1 = px(a.x), y1 = py(a.y), x2 = px(b.x), y2 = py(b.y);
            const long long x3 = px(k.x), y3 = py(k.y);
            p.setPen(width == 0 ? QPen(c, 0) : pen);
            p.setBrush(width == 0 ? QBrush(c) : QBrush(Qt::NoBrush));
            if (near({x1, y1, x2, y2, x3, y3})) {
                const QPoint points[3] = {QPoint(x1, y1), QPoint(x2, y2), QPoint(x3, y3)};
                p.drawPolygon(points, 3);
            } else {
                const QPointF points[3] = {QPointF(x1, y1), QPointF(x2, y2), QPointF(x3, y3)};
                p.drawPolygon(points, 3);
            }
            break;
        }
        case ShapeKind::Line: {
            const long long x1 = px(r.from.x), y1 = py(r.from.y);
            const long long x2 = px(r.to.x), y2 = py(r.to.y);
            p.setPen(pen);
            if (near({x1, y1, x2, y2}))
                p.drawLine(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2),
                           static_cast<int>(y2));
            else
                p.drawLine(QLineF(x1, y1, x2, y2));
            break;
        }
        case ShapeKind::Text: {
            const int size = r.pointSize;
            const long long x1 = px(r.at.x), y1 = py(r.at.y);
            const FontEntry& f = fontFor(size);
            p.setFont(f.font);
            p.setPen(c);
            const int left = static_cast<int>(clampFar(x1));
            int top =
                static_cast<int>(clampFar(y1)) - f.height;  // the first line stands on the anchor
            std::string_view rest = r.text;
            while (true) {
                const std::size_t end = rest.find('\n');
                const std::string_view line = rest.substr(0, end);
                if (!line.empty()) p.drawStaticText(left, top, staticText(size, line));
                if (end == std::string_view::npos) break;
                rest.remove_prefix(end + 1);
                top += f.height;
            }
            break;
        }
    }
}

}  // namespace gfx
