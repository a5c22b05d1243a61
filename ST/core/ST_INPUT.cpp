#include "ST/core/ST_INPUT.h"

#include "ST/core/Diag.h"
#include "ST/core/Utf.h"

#include <string>

namespace ZEL {

void ST_INPUT::Button(int& counter, bool down)
{
    if (down)
        counter += 1;
    else if (counter > 0)
        counter = -1;
}

int ST_INPUT::Update(int)
{
    for (int* c : {&lkm, &mkm, &rkm}) {
        if (*c > 127)
            *c = 2;
        if (*c != 0)
            *c += 1;
    }
    for (int k = 0; k < 256; ++k) {
        if (k == VK::SHIFT_LATCH || keys[k] == 0)
            continue;
        int v = keys[k] + 1;
        if (v > 127)
            v = 2;
        keys[k] = static_cast<signed char>(v);
    }
    lastKey = 0;
    lastChar = 0;
    event = false;
    doubleClick = false;
    mouse.offset = {0, 0};
    return 1;
}

void ST_INPUT::EventMouseMove(int x, int y)
{
    mouse.previousPosition = mouse.position;
    mouse.position = {x, y};
    mouse.offset = mouse.position - mouse.previousPosition;
}

void ST_INPUT::EventKeyDown(int vk)
{
    if (vk < 0 || vk > 255)
        return;
    Diag("key " + std::to_string(vk));
    if (vk == VK::SHIFT) {
        if (keys[VK::SHIFT_LATCH] == 1) {
            if (keys[VK::SHIFT] < 127)
                keys[VK::SHIFT] = static_cast<signed char>(keys[VK::SHIFT] + 1);
        } else {
            keys[VK::SHIFT_LATCH] = 1;
            keys[VK::SHIFT] = 1;
        }
        return;
    }
    if (keys[vk] < 127)
        keys[vk] = static_cast<signed char>(keys[vk] + 1);
    lastKey = vk;
    lastChar = static_cast<char>(vk);
    switch (vk) {
    case VK::BACK: case VK::RETURN: case VK::CONTROL:
    case VK::END: case VK::HOME: case VK::LEFT: case VK::UP: case VK::RIGHT: case VK::DOWN:
    case VK::INSERT: case VK::DELETE_: case VK::ADD:
        return;
    default:
        break;
    }
    if (typedText[0] != 0)
        event = true;
}

void ST_INPUT::EventKeyUp(int vk)
{
    if (vk < 0 || vk > 255)
        return;
    if (vk == VK::SHIFT) {
        keys[VK::SHIFT_LATCH] = 0;
        Diag("shift unlock");
    }
    if (keys[vk] != 0)
        keys[vk] = -1;
}

void ST_INPUT::GetMousePos(int* x, int* y) const
{
    if (x) *x = mouse.position.x;
    if (y) *y = mouse.position.y;
}

void ST_INPUT::GetMousePos(float* x, float* y) const
{
    if (x) *x = static_cast<float>(mouse.position.x);
    if (y) *y = static_cast<float>(mouse.position.y);
}

void ST_INPUT::GetMouseOffset(int* x, int* y) const
{
    if (x) *x = mouse.offset.x;
    if (y) *y = mouse.offset.y;
}

bool ST_INPUT::IsMouseNear(float x, float y, float r) const
{
    const float dx = static_cast<float>(mouse.position.x) - x;
    const float dy = static_cast<float>(mouse.position.y) - y;
    return dx * dx + dy * dy < r * r;
}

bool ST_INPUT::IsMouseInFrame(int x, int y, int w, int h) const
{
    const int mx = mouse.position.x;
    const int my = mouse.position.y;
    return x < mx && mx < x + w && y < my && my < y + h;
}

void ST_INPUT::SetTypedText(std::u16string_view text)
{
    std::size_t n = text.size() < static_cast<std::size_t>(kTypedMax) ? text.size() : kTypedMax;
    for (std::size_t i = 0; i < n; ++i)
        typedText[i] = text[i];
    typedText[n] = 0;
}

std::u16string ST_INPUT::ComposeTypedText(std::u16string_view layoutText, char16_t unshifted, bool shiftLatched)
{
    std::u16string out;
    if (layoutText.size() == 1 && IsCased16(layoutText[0])) {
        out.push_back(shiftLatched ? ToUpper16(layoutText[0]) : ToLower16(layoutText[0]));
        return out;
    }
    if (shiftLatched && unshifted >= 0x20 && unshifted != 0x7F && !IsCased16(unshifted)) {
        out.push_back(unshifted);
        return out;
    }
    out.assign(layoutText.begin(), layoutText.end());
    return out;
}

} // namespace ZEL
