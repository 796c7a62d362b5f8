#include "gfx/backends/win32/key_translation.h"

#include <gtest/gtest.h>

#include "gfx/backends/win32/latin1_text.h"
#include "gfx/core/message.h"

namespace gfx {
namespace {

TEST(VirtualKeys, CtrlLettersAndDigitsAreThemselvesTheRestOther) {
    EXPECT_EQ(keyCodeOfVirtualKey(0x11), KeyCode::Control);  // VK_CONTROL
    for (unsigned c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(keyCodeOfVirtualKey(c), static_cast<int>(c));
    for (unsigned c = '0'; c <= '9'; ++c) EXPECT_EQ(keyCodeOfVirtualKey(c), static_cast<int>(c));
    // Shift, Alt, Enter, F1, and the number pad's 1 to 9 whose codes are the lower-case
    // letters' ASCII codes.
    for (unsigned vk : {0x10u, 0x12u, 0x0Du, 0x70u, 0x61u, 0x69u, 0xA2u})
        EXPECT_EQ(keyCodeOfVirtualKey(vk), KeyCode::Other) << vk;
}

TEST(TypedCharacters, OnlyLatin1CharactersAreTyped) {
    EXPECT_EQ(typedCharacter('a'), 'a');
    EXPECT_EQ(typedCharacter('\r'), '\r');  // Enter, as the library reads it
    EXPECT_EQ(typedCharacter(0xE9), 0xE9);
    EXPECT_EQ(typedCharacter(0xFF), 0xFF);
    // Dropped, never cut down to a byte: the euro sign would become 0xAC.
    EXPECT_EQ(typedCharacter(0x100), std::nullopt);
    EXPECT_EQ(typedCharacter(0x20AC), std::nullopt);
    EXPECT_EQ(typedCharacter(0xD83D), std::nullopt);  // half of a surrogate pair
}

TEST(Latin1Text, EachByteIsTheCodePointOfItsNumber) {
    const WideString wide = widenLatin1("caf\xE9 \xFF");
    ASSERT_EQ(wide.size(), 6u);
    EXPECT_EQ(wide[3], 0xE9);  // not sign-extended
    EXPECT_EQ(wide[5], 0xFF);
    EXPECT_EQ(narrowToLatin1(wide, 255), "caf\xE9 \xFF");
}

TEST(Latin1Text, CharactersWithoutAByteAreLeftOutAndNotCounted) {
    const WideString text = GFX_WIDE("a\u20ACb\u0100c");
    EXPECT_EQ(narrowToLatin1(text, 255), "abc");
    EXPECT_EQ(narrowToLatin1(text, 2), "ab");
    EXPECT_EQ(narrowToLatin1(text, 0), "");
}

}  // namespace
}  // namespace gfx
