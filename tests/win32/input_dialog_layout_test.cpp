#include "gfx/backends/win32/input_dialog_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gfx/backends/win32/dialog_template.h"

namespace gfx {
namespace {

// Reads a template back as the system does, word by word.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<std::uint16_t>& words) : words_(words) {}

    std::uint16_t word() { return at_ < words_.size() ? words_[at_++] : 0xDEAD; }
    std::uint32_t dword() {
        const std::uint32_t low = word();
        return low | (static_cast<std::uint32_t>(word()) << 16);
    }
    DialogRect rect() {
        DialogRect r;
        for (std::int16_t* v : {&r.x, &r.y, &r.width, &r.height})
            *v = static_cast<std::int16_t>(word());
        return r;
    }
    WideString text() {
        WideString s;
        for (std::uint16_t c = word(); c != 0 && at_ <= words_.size(); c = word())
            s.push_back(static_cast<WideChar>(c));
        return s;
    }
    // Controls start on a DWORD boundary: an even word.
    void skipToDword() {
        if (at_ % 2 != 0) word();
    }
    bool atEnd() const { return at_ == words_.size(); }

private:
    const std::vector<std::uint16_t>& words_;
    std::size_t at_ = 0;
};

struct ReadControl {
    std::uint32_t style = 0, exStyle = 0;
    DialogRect rect;
    std::uint16_t id = 0, classMarker = 0, classAtom = 0;
    WideString text;
    std::uint16_t creationData = 0xFFFF;
};

ReadControl readControl(TemplateReader& r) {
    ReadControl c;
    c.style = r.dword();
    c.exStyle = r.dword();
    c.rect = r.rect();
    c.id = r.word();
    c.classMarker = r.word();
    c.classAtom = r.word();
    c.text = r.text();
    c.creationData = r.word();
    return c;
}

void expectRect(const DialogRect& r, int x, int y, int width, int height) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

bool has(std::uint32_t style, std::uint32_t bits) {
    return (style & bits) == bits;
}

// Captions of both parities, so that the first control needs padding in one and not
// the other: a control read from the wrong word reads as garbage.
class InputDialogTemplate : public testing::TestWithParam<const WideChar*> {};

TEST_P(InputDialogTemplate, HoldsTheFrameAndTheThreeControlsAsTheSystemReadsThem) {
    const WideString caption = GetParam();
    const std::vector<std::uint16_t> words = inputDialogTemplate(caption, "Your name?");
    TemplateReader r(words);

    const std::uint32_t style = r.dword();
    EXPECT_TRUE(has(style, Style::Popup | Style::Visible | Style::Caption | Style::SysMenu |
                               Style::ModalFrame | Style::SetFont));
    EXPECT_EQ(r.dword(), 0u);  // extended style
    EXPECT_EQ(r.word(), 3);    // controls
    expectRect(r.rect(), 50, 50, 185, 92);
    EXPECT_EQ(r.word(), 0);  // no menu
    EXPECT_EQ(r.word(), 0);  // the dialog class
    EXPECT_EQ(r.text(), caption);
    EXPECT_EQ(r.word(), 8);  // points
    EXPECT_EQ(r.text(), GFX_WIDE("MS Shell Dlg"));

    // The edit field first: the dialog gives it the focus.
    r.skipToDword();
    const ReadControl edit = readControl(r);
    EXPECT_EQ(edit.id, InputDialogId::Edit);
    EXPECT_EQ(edit.classMarker, 0xFFFF);
    EXPECT_EQ(edit.classAtom, ControlClass::Edit);
    expectRect(edit.rect, 8, 30, 167, 37);
    EXPECT_TRUE(has(edit.style, Style::Child | Style::Visible | Style::Border | Style::TabStop |
                                    Style::Multiline | Style::AutoVScroll));
    // With it, Enter would break the line instead of pressing "Okay".
    EXPECT_FALSE(edit.style & Style::WantReturn);
    EXPECT_EQ(edit.text, WideString());
    EXPECT_EQ(edit.creationData, 0);

    r.skipToDword();
    const ReadControl okay = readControl(r);
    EXPECT_EQ(okay.id, InputDialogId::Okay);
    EXPECT_EQ(okay.classAtom, ControlClass::Button);
    expectRect(okay.rect, 67, 74, 50, 14);
    EXPECT_TRUE(
        has(okay.style, Style::Child | Style::Visible | Style::TabStop | Style::DefPushButton));
    EXPECT_EQ(okay.text, GFX_WIDE("Okay"));

    r.skipToDword();
    const ReadControl prompt = readControl(r);
    EXPECT_EQ(prompt.id, InputDialogId::Prompt);
    EXPECT_EQ(prompt.classAtom, ControlClass::Static);
    expectRect(prompt.rect, 8, 3, 167, 24);
    EXPECT_TRUE(has(prompt.style, Style::Child | Style::Visible | Style::Group));
    EXPECT_EQ(prompt.text, promptText("Your name?"));
    EXPECT_TRUE(r.atEnd());
}

INSTANTIATE_TEST_SUITE_P(Captions, InputDialogTemplate,
                         testing::Values(GFX_WIDE("DROVA_gets"), GFX_WIDE("Town_gets"),
                                         GFX_WIDE("")));

TEST(InputDialogTexts, ThePromptIsExactly79Characters) {
    const WideString shortPrompt = promptText("Name?");
    ASSERT_EQ(shortPrompt.size(), 79u);
    EXPECT_EQ(shortPrompt.substr(0, 5), GFX_WIDE("Name?"));
    EXPECT_EQ(shortPrompt.find_first_not_of(GFX_WIDE(' '), 5), WideString::npos);

    const WideString longPrompt = promptText(std::string(100, 'x') + "\xE9");
    EXPECT_EQ(longPrompt, WideString(79, GFX_WIDE('x')));
    EXPECT_EQ(promptText("\xE9").front(), 0xE9);  // Latin-1, not a negative char
}

TEST(InputDialogTexts, TheReplyIsLatin1WithTheLibrarysLineEnds) {
    EXPECT_EQ(replyText(GFX_WIDE("one\r\ntwo")), "one\ntwo");
    EXPECT_EQ(replyText(GFX_WIDE("a\rb\n")), "a\rb\n");  // only the edit field's pairs
    EXPECT_EQ(replyText(GFX_WIDE("caf\u00E9 \u20AC5")), "caf\xE9 5");
}

TEST(InputDialogTexts, TheReplyKeepsAtMost255Characters) {
    EXPECT_EQ(replyText(WideString(300, GFX_WIDE('y'))), std::string(255, 'y'));
    // Left-out characters do not count; a line end counts as one.
    WideString text = GFX_WIDE("\u20AC\u20AC\r\n");
    text += WideString(254, GFX_WIDE('z'));
    EXPECT_EQ(replyText(text), "\n" + std::string(254, 'z'));
}

}  // namespace
}  // namespace gfx
