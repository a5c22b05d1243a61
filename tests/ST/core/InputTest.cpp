#include "ST/core/ST_INPUT.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using ZEL::ST_INPUT;
namespace VK = ZEL::VK;

TEST(Input, ButtonCounterLifecycle)
{
    testsupport::DiagCapture quiet;
    ST_INPUT in;
    in.EventMouseLkm(true);
    EXPECT_EQ(in.Lkm(), 1);
    in.Update(0);
    EXPECT_EQ(in.Lkm(), 2);
    in.Update(0);
    EXPECT_EQ(in.Lkm(), 3);
    in.EventMouseLkm(false);
    EXPECT_EQ(in.Lkm(), -1);
    in.Update(0);
    EXPECT_EQ(in.Lkm(), 0);

    // An up without a down leaves the counter alone.
    in.EventMouseRkm(false);
    EXPECT_EQ(in.Rkm(), 0);

    // Held for long, a button cycles between 3 and 128.
    in.EventMouseMkm(true);
    for (int i = 0; i < 400; ++i) {
        in.Update(0);
        ASSERT_GE(in.Mkm(), 2);
        ASSERT_LE(in.Mkm(), 128);
    }
    in.DropMouse();
    EXPECT_EQ(in.Mkm(), 0);
}

TEST(Input, PressAndReleaseInOneIterationShowOnlyTheRelease)
{
    testsupport::DiagCapture quiet;
    ST_INPUT in;
    in.EventKeyDown('A');
    in.EventKeyUp('A');
    EXPECT_EQ(in.Key('A'), -1);
    in.EventMouseLkm(true);
    in.EventMouseLkm(false);
    EXPECT_EQ(in.Lkm(), -1);
    in.Update(0);
    EXPECT_EQ(in.Key('A'), 0);
    EXPECT_EQ(in.Lkm(), 0);
}

TEST(Input, HeldKeyRestartsAtTwo)
{
    testsupport::DiagCapture quiet;
    ST_INPUT in;
    in.EventKeyDown('Q');
    for (int i = 0; i < 300; ++i) {
        in.Update(0);
        ASSERT_GE(in.Key('Q'), 2);
    }
}

TEST(Input, ShiftLatch)
{
    testsupport::DiagCapture diag;
    ST_INPUT in;
    in.EventKeyDown(VK::SHIFT);
    EXPECT_EQ(in.Key(VK::SHIFT), 1);
    EXPECT_EQ(in.Key(VK::SHIFT_LATCH), 1);
    EXPECT_EQ(in.GetLastKey(), 0) << "Shift does nothing else";
    in.Update(0);
    EXPECT_EQ(in.Key(VK::SHIFT), 2);
    EXPECT_EQ(in.Key(VK::SHIFT_LATCH), 1) << "the latch does not age";
    in.EventKeyDown(VK::SHIFT); // auto-repeat
    EXPECT_EQ(in.Key(VK::SHIFT), 3);
    in.EventKeyUp(VK::SHIFT);
    EXPECT_EQ(in.Key(VK::SHIFT), -1);
    EXPECT_EQ(in.Key(VK::SHIFT_LATCH), 0);
    EXPECT_TRUE(diag.Contains("shift unlock"));
}

TEST(Input, TypedTextFollowsTheShiftLatchForLettersOnly)
{
    struct Case { std::u16string layout; char16_t unshifted; bool latch; std::u16string want; };
    const Case cases[] = {
        {u"A", u'a', true, u"A"},      // Shift + A
        {u"a", u'a', false, u"a"},
        {u"A", u'a', false, u"a"},     // Caps Lock alone does not shift: the slot is the latch
        {u"!", u'1', true, u"1"},      // Shift + 1 stays a digit
        {u"1", u'1', false, u"1"},
        {u"Ж", u'\0', true, u"Ж"},    // a Cyrillic layout
        {u"ж", u';', true, u"Ж"},
        {u"Ж", u';', false, u"ж"},
        {u"", 0, false, u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ST_INPUT::ComposeTypedText(c.layout, c.unshifted, c.latch), c.want);
}

TEST(Input, EventFlagSkipsEditingKeys)
{
    testsupport::DiagCapture quiet;
    const int editing[] = {VK::BACK, VK::RETURN, VK::CONTROL, VK::END, VK::HOME, VK::LEFT, VK::UP,
                           VK::RIGHT, VK::DOWN, VK::INSERT, VK::DELETE_, VK::ADD};
    for (int vk : editing) {
        ST_INPUT in;
        in.SetTypedText(u"x");
        in.EventKeyDown(vk);
        EXPECT_FALSE(in.Event()) << vk;
        EXPECT_EQ(in.Key(vk), 1) << vk;
        EXPECT_EQ(in.GetLastChar(), 0);
    }
    ST_INPUT in;
    in.SetTypedText(u"b");
    in.EventKeyDown('B');
    EXPECT_TRUE(in.Event());
    EXPECT_EQ(in.GetLastChar(), 'B');
    in.Update(0);
    EXPECT_FALSE(in.Event());
    EXPECT_EQ(in.GetLastKey(), 0);

    // A key without text does not raise the flag.
    ST_INPUT silent;
    silent.ClearTypedText();
    silent.EventKeyDown(VK::F1);
    EXPECT_FALSE(silent.Event());
}

TEST(Input, TypedTextKeepsAtMostFifteenUnits)
{
    ST_INPUT in;
    in.SetTypedText(u"0123456789abcdefghij");
    EXPECT_EQ(std::u16string(in.typedText), u"0123456789abcde");
}

TEST(Input, MousePositionOffsetAndFrames)
{
    ST_INPUT in;
    in.EventMouseMove(10, 10);
    in.EventMouseMove(15, 12);
    int dx = 0, dy = 0;
    in.GetMouseOffset(&dx, &dy);
    EXPECT_EQ(dx, 5);
    EXPECT_EQ(dy, 2);
    in.Update(0);
    in.GetMouseOffset(&dx, &dy);
    EXPECT_EQ(dx, 0);
    EXPECT_EQ(in.GetMouseX(), 15);

    struct Case { int mx, my; bool inside; };
    const Case cases[] = {{100, 50, false}, {101, 51, true}, {139, 69, true}, {140, 60, false}, {120, 70, false}};
    for (const Case& c : cases) {
        in.EventMouseMove(c.mx, c.my);
        EXPECT_EQ(in.IsMouseInFrame(100, 50, 40, 20), c.inside) << c.mx << "," << c.my;
    }
    in.EventMouseMove(3, 4);
    EXPECT_FALSE(in.IsMouseNear(0, 0, 5.0f)) << "distance exactly r is not near";
    EXPECT_TRUE(in.IsMouseNear(0, 0, 5.01f));
}

TEST(Input, DoubleClickLastsOneUpdate)
{
    ST_INPUT in;
    in.EventMouseDblClick();
    EXPECT_TRUE(in.DoubleClick());
    in.Update(0);
    EXPECT_FALSE(in.DoubleClick());
}

} // namespace
