#include "gfx/qt/renderer.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>

namespace gfx {

namespace {
// A zero size asks for the platform's default height.
constexpr int DefaultTextHeight = 16;
}  // namespace

Renderer::Renderer() : image_(ImageWidth, ImageHeight, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    // Every palette colour is opaque: writing pixels outright skips the blending.
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
}

Renderer::~Renderer() {
    painter_->end();
}

QColor Renderer::colour(int index) {
    const Colour& c = colourAt(index);
    return QColor(c.red, c.green, c.blue);
}

void Renderer::clear() {
    // White brush, default one-pixel black pen, over the whole image.
    painter_->setPen(QPen(Qt::black, 0));
    painter_->setBrush(Qt::white);
    painter_->drawRect(0, 0, ImageWidth - 1, ImageHeight - 1);
}

const Renderer::FontEntry& Renderer::fontFor(int pointSize) {
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

const QStaticText& Renderer::staticText(int pointSize, std::string_view line) {
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

void Renderer::render(const ShapeRecord& r, int cx, int cy) {
    QPainter& p = *painter_;
    const QColor c = colour(r.colour);
    // Width 0 and 1 both give the thinnest pen; wider pens have round ends as the platform's.
    QPen pen(c, r.width <= 1 ? 0 : r.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (r.kind) {
        case ShapeKind::Rectangle: {
            int left = cx + r.p[0], top = cy - r.p[1];
            int w = r.p[2] - r.p[0], h = r.p[1] - r.p[3];
            if (r.width == 0) {
                // Filled: both corner pixels included.
                p.fillRect(left, top, w + 1, h + 1, c);
            } else if (r.width == 1) {
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
            p.setPen(r.width == 0 ? QPen(c, 0) : pen);
            p.setBrush(r.width == 0 ? QBrush(c) : QBrush(Qt::NoBrush));
            p.drawEllipse(cx + r.p[0], cy - r.p[1], r.p[2] - r.p[0], r.p[1] - r.p[3]);
            break;
        }
        case ShapeKind::Triangle: {
            QPolygon poly;
            poly << QPoint(cx + r.p[0], cy - r.p[1]) << QPoint(cx + r.p[2], cy - r.p[3])
                 << QPoint(cx + r.p[4], cy - r.p[5]);
            p.setPen(r.width == 0 ? QPen(c, 0) : pen);
            p.setBrush(r.width == 0 ? QBrush(c) : QBrush(Qt::NoBrush));
            p.drawPolygon(poly);
            break;
        }
        case ShapeKind::Line:
            p.setPen(pen);
            p.drawLine(cx + r.p[0], cy - r.p[1], cx + r.p[2], cy - r.p[3]);
            break;
        case ShapeKind::Text: {
            const FontEntry& f = fontFor(r.p[2]);
            p.setFont(f.font);
            p.setPen(c);
            const int left = cx + r.p[0];
            int top = cy - r.p[1] - f.height;  // the first line stands on the anchor
            std::string_view rest = r.text;
            while (true) {
                const std::size_t end = rest.find('\n');
                const std::string_view line = rest.substr(0, end);
                if (!line.empty()) p.drawStaticText(left, top, staticText(r.p[2], line));
                if (end == std::string_view::npos) break;
                rest.remove_prefix(end + 1);
                top += f.height;
            }
            break;
        }
    }
}

}  // namespace gfx
