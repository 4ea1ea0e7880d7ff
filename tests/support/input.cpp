#include "support/input.h"

#include <vector>

#include "support/waits.h"

namespace vl::test {
namespace {

void Click(DWORD down, DWORD up) {
    INPUT buttons[2] = {};
    buttons[0].type = buttons[1].type = INPUT_MOUSE;
    buttons[0].mi.dwFlags = down;
    buttons[1].mi.dwFlags = up;
    SendInput(2, buttons, sizeof(INPUT));
}

}  // namespace

bool MovePointerTo(int x, int y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    return PumpUntil([x, y] {
        POINT at;
        return GetCursorPos(&at) && at.x == x && at.y == y;
    });
}

void PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

void PressKeys(std::initializer_list<WORD> chord) {
    std::vector<INPUT> keys;
    for (WORD key : chord) {
        INPUT down = {};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        keys.push_back(down);
    }
    for (auto key = chord.end(); key != chord.begin();) {
        INPUT up = {};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *--key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        keys.push_back(up);
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

void PressLeft() {
    INPUT button = {};
    button.type = INPUT_MOUSE;
    button.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &button, sizeof(INPUT));
}

void ReleaseLeft() {
    INPUT button = {};
    button.type = INPUT_MOUSE;
    button.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &button, sizeof(INPUT));
}

void ClickLeft() {
    Click(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void ClickRight() {
    Click(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

}  // namespace vl::test
