#include "RecordingEffect.h"

#include <gtest/gtest.h>

class HostCallback : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hostCalls.clear();
        hostAnswer = 0;
    }
    RecordingEffect effect;
};

TEST_F(HostCallback, AutomationStoresBeforeTellingTheHost)
{
    effect.setParameterAutomated(188, 0.75f);
    EXPECT_EQ(effect.log, (std::vector<std::string>{"set 188"}));
    ASSERT_EQ(hostCalls.size(), 1u);
    EXPECT_EQ(hostCalls[0].opcode, audioMasterAutomate);
    EXPECT_EQ(hostCalls[0].index, 188);
    EXPECT_EQ(hostCalls[0].opt, 0.75f);
}

TEST_F(HostCallback, QueriesUseTheirOpcodesAndArguments)
{
    hostAnswer = 1;
    EXPECT_TRUE(effect.beginEdit(7));
    EXPECT_TRUE(effect.endEdit(7));
    EXPECT_TRUE(effect.updateDisplay());
    EXPECT_TRUE(effect.sizeWindow(875, 730));
    effect.hostVendorSpecific(0x3F118D, 441, nullptr, 0);
    effect.getTimeInfo(kVstTempoValid);
    effect.wantEvents();

    ASSERT_EQ(hostCalls.size(), 7u);
    EXPECT_EQ(hostCalls[0].opcode, audioMasterBeginEdit);
    EXPECT_EQ(hostCalls[0].index, 7);
    EXPECT_EQ(hostCalls[1].opcode, audioMasterEndEdit);
    EXPECT_EQ(hostCalls[2].opcode, audioMasterUpdateDisplay);
    EXPECT_EQ(hostCalls[3].opcode, audioMasterSizeWindow);
    EXPECT_EQ(hostCalls[3].index, 875);
    EXPECT_EQ(hostCalls[3].value, 730);
    EXPECT_EQ(hostCalls[4].opcode, audioMasterVendorSpecific);
    EXPECT_EQ(hostCalls[4].index, 0x3F118D);
    EXPECT_EQ(hostCalls[4].value, 441);
    EXPECT_EQ(hostCalls[5].opcode, audioMasterGetTime);
    EXPECT_EQ(hostCalls[5].value, kVstTempoValid);
    EXPECT_EQ(hostCalls[6].opcode, audioMasterWantMidi);
    EXPECT_EQ(hostCalls[6].value, 1);
}

TEST_F(HostCallback, CanHostDoPassesTheWord)
{
    char word[] = "sizeWindow";
    EXPECT_EQ(effect.canHostDo(word), 0);
    ASSERT_EQ(hostCalls.size(), 1u);
    EXPECT_EQ(hostCalls[0].opcode, audioMasterCanDo);
    EXPECT_STREQ(static_cast<char*>(hostCalls[0].ptr), "sizeWindow");
}

TEST(HostCallbackAbsent, EveryHostQueryAnswersNothing)
{
    RecordingEffect orphan(nullptr);
    orphan.setParameterAutomated(3, 0.5f);
    EXPECT_EQ(orphan.log, (std::vector<std::string>{"set 3"}));
    EXPECT_FALSE(orphan.beginEdit(3));
    EXPECT_EQ(orphan.getTimeInfo(0), nullptr);
    EXPECT_EQ(orphan.getMasterVersion(), 0);
    EXPECT_EQ(orphan.hostVendorSpecific(1, 2, nullptr, 0), 0);
}
