// The QPainter renderer the program drew with before its own: the reference that the
// portable renderer is compared with. It draws into its own 601 x 540 image, pixel-exact
// (no antialiasing).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "gfx/render/colour_table.h"
#include "gfx/render/shape_record.h"

namespace gfx {

class ReferenceRenderer {
public:
    static constexpr int ImageWidth = 601;
    static constexpr int ImageHeight = 540;

    ReferenceRenderer();
    ~ReferenceRenderer();

    void render(const ShapeRecord& r, int cx, int cy);
    void clear();  // white, as a fresh image
    const QImage& image() const { return image_; }
    static QColor colour(int index);

private:
    struct FontEntry {
        QFont font;
        int height;
        int ascent;
    };
    const FontEntry& fontFor(int pointSize);
    const QStaticText& staticText(int pointSize, std::string_view line);
    static constexpr std::size_t MaxCachedTexts = 4096;

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::array<std::optional<FontEntry>, 128> fonts_;
    std::map<std::pair<int, std::string>, QStaticText> texts_;
};

}  // namespace gfx
