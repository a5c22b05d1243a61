#pragma once
#include "ST/core/JST_POINT.h"

#include <string_view>

namespace ZEL {

// Virtual-key codes the game and the event pump use.
namespace VK {
constexpr int BACK = 0x08;
constexpr int TAB = 0x09;
constexpr int RETURN = 0x0D;
constexpr int SHIFT = 0x10;
constexpr int CONTROL = 0x11;
constexpr int MENU = 0x12;
constexpr int PAUSE = 0x13;
constexpr int SHIFT_LATCH = 0x14; // the Caps Lock slot doubles as the Shift latch
constexpr int ESCAPE = 0x1B;
constexpr int SPACE = 0x20;
constexpr int PRIOR = 0x21;
constexpr int NEXT = 0x22;
constexpr int END = 0x23;
constexpr int HOME = 0x24;
constexpr int LEFT = 0x25;
constexpr int UP = 0x26;
constexpr int RIGHT = 0x27;
constexpr int DOWN = 0x28;
constexpr int INSERT = 0x2D;
constexpr int DELETE_ = 0x2E;
constexpr int ADD = 0x6B;
constexpr int SUBTRACT = 0x6D;
constexpr int F1 = 0x70;
} // namespace VK

// Mouse and keyboard state: the event pump feeds it, the game loop ages it once per update.
// Counters read 1 in the update after a press, more than 1 while held, -1 in the update after
// the release and 0 when up.
class ST_INPUT {
public:
    struct INP_MOUSE {
        JST::iPOINT position;
        JST::iPOINT previousPosition;
        JST::iPOINT offset;
    };

    static constexpr int kTypedCapacity = 30;
    static constexpr int kTypedMax = 15;

    int Update(int);

    void EventMouseMove(int x, int y);
    void EventMouseDblClick() { doubleClick = true; }
    void EventMouseLkm(bool down) { Button(lkm, down); }
    void EventMouseRkm(bool down) { Button(rkm, down); }
    void EventMouseMkm(bool down) { Button(mkm, down); }
    void EventKeyDown(int vk);
    void EventKeyUp(int vk);

    int Lkm() const { return lkm; }
    int Rkm() const { return rkm; }
    int Mkm() const { return mkm; }
    signed char Key(int vk) const { return (vk >= 0 && vk < 256) ? keys[vk] : 0; }
    const signed char* GetKeysMap() const { return keys; }
    bool Event() const { return event; }
    char GetLastChar() const { return event ? lastChar : 0; }
    int GetLastKey() const { return lastKey; }
    bool DoubleClick() const { return doubleClick; }

    void GetMousePos(int* x, int* y) const;
    void GetMousePos(float* x, float* y) const;
    int GetMouseX() const { return mouse.position.x; }
    int GetMouseY() const { return mouse.position.y; }
    void GetMouseOffset(int* x, int* y) const;
    const INP_MOUSE& GetMouse() const { return mouse; }
    bool IsMouseNear(float x, float y, float r) const;
    bool IsMouseInFrame(int x, int y, int w, int h) const;
    void DropMouse() { lkm = rkm = mkm = 0; }

    bool ShiftLatched() const { return keys[VK::SHIFT_LATCH] == 1; }

    // The text of the key-down about to be reported: written before EventKeyDown, at most 15
    // UTF-16 units, zero-terminated.
    void SetTypedText(std::u16string_view text);
    void ClearTypedText() { typedText[0] = 0; }

    // What the game reads as the text of a key press. layoutText is what the keyboard layout
    // produced (with the real modifiers); unshifted is the key's character without modifiers,
    // 0 when unknown. Letters follow the Shift latch (upper case while it is set), everything
    // else comes out unshifted, as the game's keyboard state never shows Shift as pressed.
    static std::u16string ComposeTypedText(std::u16string_view layoutText, char16_t unshifted, bool shiftLatched);

    char16_t typedText[kTypedCapacity] = {};

private:
    static void Button(int& counter, bool down);

    INP_MOUSE mouse;
    int lkm = 0;
    int rkm = 0;
    int mkm = 0;
    signed char keys[256] = {};
    int lastKey = 0;
    char lastChar = 0;
    bool event = false;
    bool doubleClick = false;
};

} // namespace ZEL
