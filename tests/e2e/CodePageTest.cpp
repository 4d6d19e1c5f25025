// The program renamed as a Japanese user would name it, run with the ANSI code
// page 932, where the second byte of many characters is a backslash.

#include "e2e/ProgramDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(DoubleByteCodePage, ARenamedCopyReadsAndSavesUnderItsWholeName)
{
    // Only the cp932 run of this group sets the locale; there the code page must have taken.
    if (!std::getenv("DURADARUDO_LOCALE")) GTEST_SKIP() << "runs as e2e_cp932_tests, under code page 932";
    ASSERT_EQ(GetACP(), 932u) << "the Japanese locale did not give the ANSI code page 932";

    const std::string names[] = {
        "\x83\x5C\x83\x74\x83\x67",  // ソフト: the second byte of ソ is 0x5C
        "\x95\x5C",                  // 表: the whole name ends in 0x5C
    };
    for (const std::string& name : names) {
        ProgramDriver program(name + ".exe");
        program.StoreSetting("Hotkey1", "Key", "Q");
        program.Start();

        HWND window = program.WaitForWindow(SettingsWindowClass, SettingsWindowCaption);
        ASSERT_TRUE(window);
        EXPECT_EQ(TextOf(controls::Find(window, "ComboBox")), "Q");
        controls::Click(controls::Find(window, "Button", "Automatically load this app alongside windows startup"));
        controls::ClickAndGoOn(controls::Find(window, "Button", "OK"));

        auto boxes = program.WaitForMessageBoxes(1);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Settings saved!");  // not a run-time error
        ASSERT_TRUE(program.Answer(boxes[0]));

        EXPECT_EQ(program.Setting("Hotkey1", "Key"), "Q");
        EXPECT_EQ(program.Setting("default", "configured"), "true");
        auto run = program.RunValue();
        ASSERT_TRUE(run);
        EXPECT_EQ(run->data, "\"" + program.ExePath() + "\"" + '\0');
    }
}
