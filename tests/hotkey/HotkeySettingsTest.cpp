#include "hotkey/Module1.h"
#include "hotkey/SettingsLayout.h"
#include "platform/App.h"
#include "support/TestRegistry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

class StoredHotkey : public ::testing::Test {
protected:
    void SetUp() override { ForgetSettings(forms::App::EXEName()); }
    void TearDown() override { ForgetSettings(forms::App::EXEName()); }

    static void Store(const settings::Entry& entry, const std::optional<std::string>& text)
    {
        if (text) StoreSetting(forms::App::EXEName(), std::string(entry.section), std::string(entry.key), *text);
    }
};

}  // namespace

TEST_F(StoredHotkey, NothingStoredMeansControlAltL)
{
    const Module1::HotkeyChord chord = Module1::StoredHotkeyChord();
    EXPECT_EQ(chord.modifiers, UINT{MOD_CONTROL | MOD_ALT});
    EXPECT_EQ(chord.virtualKey, 76u);
}

TEST_F(StoredHotkey, EachEntryIsReadAndAnAbsentOneTakesItsDefault)
{
    // nullopt leaves the entry absent, so its default applies.
    struct Row {
        std::optional<std::string> ctrl, alt, shift, key;
        UINT modifiers, virtualKey;
    };
    const Row rows[] = {
        {"0", "0", "0", std::nullopt, 0, 'L'},
        {"0", std::nullopt, std::nullopt, std::nullopt, MOD_ALT, 'L'},
        {std::nullopt, "0", std::nullopt, std::nullopt, MOD_CONTROL, 'L'},
        {std::nullopt, std::nullopt, "1", std::nullopt, MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'L'},
        {"0", "0", "1", "q", MOD_SHIFT, 'Q'},
        {"0.5", "1", "0", "7", MOD_ALT, '7'},
        {"1e10", "0", "-3000000000", "L", MOD_CONTROL | MOD_SHIFT, 'L'},
        {std::nullopt, std::nullopt, std::nullopt, "", MOD_CONTROL | MOD_ALT, 0},
    };
    for (const Row& row : rows) {
        ForgetSettings(forms::App::EXEName());
        Store(settings::Ctrl, row.ctrl);
        Store(settings::Alt, row.alt);
        Store(settings::Shift, row.shift);
        Store(settings::Key, row.key);
        const Module1::HotkeyChord chord = Module1::StoredHotkeyChord();
        SCOPED_TRACE(row.ctrl.value_or("-") + "/" + row.alt.value_or("-") + "/" + row.shift.value_or("-") + "/" +
                     row.key.value_or("-"));
        EXPECT_EQ(chord.modifiers, row.modifiers);
        EXPECT_EQ(chord.virtualKey, row.virtualKey);
    }
}

TEST(ModifierText, LeadingNumberRoundedToThirtyTwoBitsDecides)
{
    struct Row {
        const char* text;
        bool on;
    };
    const Row rows[] = {
        {"1", true},
        {"0", false},
        {"0.5", false},  // half to even: 0
        {"-0.5", false},
        {"0.6", true},   // rounds up to 1, not down to 0
        {"1.5", true},   // 2
        {"2.5", true},   // 2
        {"-1", true},
        {"  1", true},
        {"1abc", true},
        {"abc", false},
        {"", false},
        {"&H0", false},
        {"&HFFFF", true},  // -1
    };
    for (const Row& row : rows) EXPECT_EQ(Module1::ModifierIsOn(row.text), row.on) << '"' << row.text << '"';
}

TEST(ModifierText, NumbersBeyondThirtyTwoBitsCountAsOnWithoutAnError)
{
    // A hand-edited value must never end the program: no overflow escapes.
    for (const char* text : {"1e10", "-3000000000", "2147483648", "-2147483649", "1e400", "2147483647.5"}) {
        bool on = false;
        EXPECT_NO_THROW(on = Module1::ModifierIsOn(text)) << text;
        EXPECT_TRUE(on) << text;
    }
    EXPECT_TRUE(Module1::ModifierIsOn("2147483647"));
    EXPECT_TRUE(Module1::ModifierIsOn("-2147483648"));
}

TEST(KeyText, FirstCharacterUpperCasedIsTheVirtualKey)
{
    struct Row {
        const char* text;
        UINT virtualKey;
    };
    const Row rows[] = {
        {"L", 76},
        {"l", 76},
        {"F1", 'F'},  // only the first character counts: not the function key
        {"7", 55},    // the digit of the main keyboard
        {"-", 45},    // used as it is: the code of Insert
        {"z", 'Z'},
        {" L", ' '},
        {"", 0},
    };
    for (const Row& row : rows) EXPECT_EQ(Module1::VirtualKeyOf(row.text), row.virtualKey) << '"' << row.text << '"';
}

TEST(KeyText, UpperCaseFollowsTheAnsiCodePage)
{
    if (GetACP() != 1252) GTEST_SKIP() << "written for code page 1252, this is " << GetACP();
    EXPECT_EQ(Module1::VirtualKeyOf("\xE9"), 0xC9u);  // é gives É
    EXPECT_EQ(Module1::VirtualKeyOf("\xC9x"), 0xC9u);
}

TEST(KeyText, DoubleByteFirstCharacterGivesNoKey)
{
    CPINFO info{};
    ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
    if (info.LeadByte[0] == 0) GTEST_SKIP() << "the ANSI code page " << GetACP() << " has no lead bytes";
    // Every lead-byte range of the code page, first and last byte of each.
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2) {
        for (BYTE lead : {info.LeadByte[i], info.LeadByte[i + 1]}) {
            const char text[] = {static_cast<char>(lead), 'A', '\0'};
            EXPECT_EQ(Module1::VirtualKeyOf(text), 0u) << int(lead);
        }
    }
}
