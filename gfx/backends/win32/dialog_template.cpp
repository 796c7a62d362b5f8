#include "gfx/backends/win32/dialog_template.h"

namespace gfx {

namespace {

class TemplateWriter {
public:
    void word(std::uint16_t value) { words_.push_back(value); }
    // Little-endian, as Windows lays out every DWORD.
    void dword(std::uint32_t value) {
        word(static_cast<std::uint16_t>(value & 0xFFFF));
        word(static_cast<std::uint16_t>(value >> 16));
    }
    void rect(const DialogRect& r) {
        for (const std::int16_t v : {r.x, r.y, r.width, r.height})
            word(static_cast<std::uint16_t>(v));
    }
    void text(WideStringView s) {
        for (const WideChar c : s) word(static_cast<std::uint16_t>(c));
        word(0);
    }
    void alignToDword() {
        if (words_.size() % 2 != 0) word(0);
    }
    std::vector<std::uint16_t> take() { return std::move(words_); }

private:
    std::vector<std::uint16_t> words_;
};

}  // namespace

std::vector<std::uint16_t> buildDialogTemplate(const DialogFrame& frame,
                                               std::span<const DialogControl> controls) {
    TemplateWriter w;
    w.dword(frame.style);
    w.dword(0);  // no extended style
    w.word(static_cast<std::uint16_t>(controls.size()));
    w.rect(frame.rect);
    w.word(0);  // no menu
    w.word(0);  // the predefined dialog class
    w.text(frame.caption);
    if (frame.style & Style::SetFont) {
        w.word(frame.pointSize);
        w.text(frame.typeface);
    }
    for (const DialogControl& c : controls) {
        w.alignToDword();
        w.dword(c.style);
        w.dword(0);  // no extended style
        w.rect(c.rect);
        w.word(c.id);
        w.word(0xFFFF);  // the class by atom
        w.word(c.classAtom);
        w.text(c.text);
        w.word(0);  // no creation data
    }
    return w.take();
}

}  // namespace gfx
