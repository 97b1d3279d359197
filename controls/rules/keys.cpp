#include "keys.h"

#include <cstddef>

namespace rules {

namespace {

struct KeyCode {
    int qt;
    int vk;
};

// Keys named by a character other than a letter or digit, as a US keyboard
// carries them: the shifted and unshifted characters of one key share its code.
constexpr KeyCode kSymbols[] = {
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},        {Qt::Key_Equal, 187},      {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},     {Qt::Key_Less, 188},         {Qt::Key_Minus, 189},      {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},    {Qt::Key_Greater, 190},      {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192},   {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},          {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
    // Shifted digits.
    {Qt::Key_Exclam, '1'},    {Qt::Key_At, '2'},           {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},   {Qt::Key_AsciiCircum, '6'},  {Qt::Key_Ampersand, '7'},  {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
};

constexpr KeyCode kFunctionKeys[] = {
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},     {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},        {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},      {Qt::Key_Up, 38},       {Qt::Key_Right, 39},      {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},     {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},     {Qt::Key_Meta, 91},
    {Qt::Key_NumLock, 144},  {Qt::Key_ScrollLock, 145},
};

// The keypad's own keys (with Num Lock on); its other keys are the keys
// they stand for (Home, the arrows, Enter).
constexpr KeyCode kKeypad[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

template <std::size_t N> int lookUp(const KeyCode (&table)[N], int qtKey)
{
    for (const KeyCode &k : table)
        if (k.qt == qtKey)
            return k.vk;
    return 0;
}

} // namespace

int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return 96 + (qtKey - Qt::Key_0); // VK_NUMPAD0..9
        if (const int vk = lookUp(kKeypad, qtKey))
            return vk;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (const int vk = lookUp(kFunctionKeys, qtKey))
        return vk;
    return lookUp(kSymbols, qtKey);
}

bool shiftAlone(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    const Qt::KeyboardModifiers keys = modifiers & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    return keys == Qt::ShiftModifier && buttons == Qt::NoButton;
}

Shortcut shortcutFor(int virtualKeyCode, bool withShiftAlone)
{
    if (withShiftAlone) {
        switch (virtualKeyCode) {
        case 'G': return Shortcut::TailWheelLock;
        case 'M': return Shortcut::MasterBattery;
        default: return Shortcut::None;
        }
    }
    switch (virtualKeyCode) {
    case 'B': return Shortcut::AltimeterToQnh;
    case 'D': return Shortcut::GyroDriftReset;
    case 'F': return Shortcut::FuelPumpMaster;
    case 'G': return Shortcut::Gear;
    case 'H': return Shortcut::CarbHeat;
    case 'L': return Shortcut::Lights;
    case 'Z': return Shortcut::Autopilot;
    case 114: return Shortcut::ThrottleDown; // F3
    case 115: return Shortcut::ThrottleUp;   // F4
    case 117: return Shortcut::FlapsUp;      // F6
    case 118: return Shortcut::FlapsDown;    // F7
    case 190: return Shortcut::ParkingBrake; // VK_OEM_PERIOD
    default: return Shortcut::None;
    }
}

} // namespace rules
