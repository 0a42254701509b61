#include "platform/detail/EventTranslation.h"

#include "platform/detail/WindowPeer.h"
#include "platform/foundation/String.h"
#include "platform/windows/Window.h"

#include <QWidget>

#include <unordered_map>

namespace platform::detail {

namespace {

// Toolkit keys and the framework's virtual key codes, which name physical keys of a US layout;
// shifted symbols share the code of their key.
const std::unordered_map<int, std::uint16_t>& keyCodes() {
    static const std::unordered_map<int, std::uint16_t> table = {
        {Qt::Key_A, 0},
        {Qt::Key_S, 1},
        {Qt::Key_D, 2},
        {Qt::Key_F, 3},
        {Qt::Key_H, 4},
        {Qt::Key_G, 5},
        {Qt::Key_Z, 6},
        {Qt::Key_X, 7},
        {Qt::Key_C, 8},
        {Qt::Key_V, 9},
        {Qt::Key_B, 11},
        {Qt::Key_Q, 12},
        {Qt::Key_W, 13},
        {Qt::Key_E, 14},
        {Qt::Key_R, 15},
        {Qt::Key_Y, 16},
        {Qt::Key_T, 17},
        {Qt::Key_1, 18},
        {Qt::Key_Exclam, 18},
        {Qt::Key_2, 19},
        {Qt::Key_At, 19},
        {Qt::Key_3, 20},
        {Qt::Key_NumberSign, 20},
        {Qt::Key_4, 21},
        {Qt::Key_Dollar, 21},
        {Qt::Key_6, 22},
        {Qt::Key_AsciiCircum, 22},
        {Qt::Key_5, 23},
        {Qt::Key_Percent, 23},
        {Qt::Key_Equal, 24},
        {Qt::Key_Plus, 24},
        {Qt::Key_9, 25},
        {Qt::Key_ParenLeft, 25},
        {Qt::Key_7, 26},
        {Qt::Key_Ampersand, 26},
        {Qt::Key_Minus, 27},
        {Qt::Key_Underscore, 27},
        {Qt::Key_8, 28},
        {Qt::Key_Asterisk, 28},
        {Qt::Key_0, 29},
        {Qt::Key_ParenRight, 29},
        {Qt::Key_BracketRight, 30},
        {Qt::Key_BraceRight, 30},
        {Qt::Key_O, 31},
        {Qt::Key_U, 32},
        {Qt::Key_BracketLeft, 33},
        {Qt::Key_BraceLeft, 33},
        {Qt::Key_I, 34},
        {Qt::Key_P, 35},
        {Qt::Key_Return, 36},
        {Qt::Key_L, 37},
        {Qt::Key_J, 38},
        {Qt::Key_Apostrophe, 39},
        {Qt::Key_QuoteDbl, 39},
        {Qt::Key_K, 40},
        {Qt::Key_Semicolon, 41},
        {Qt::Key_Colon, 41},
        {Qt::Key_Backslash, 42},
        {Qt::Key_Bar, 42},
        {Qt::Key_Comma, 43},
        {Qt::Key_Less, 43},
        {Qt::Key_Slash, 44},
        {Qt::Key_Question, 44},
        {Qt::Key_N, 45},
        {Qt::Key_M, 46},
        {Qt::Key_Period, 47},
        {Qt::Key_Greater, 47},
        {Qt::Key_Tab, 48},
        {Qt::Key_Backtab, 48},
        {Qt::Key_Space, 49},
        {Qt::Key_QuoteLeft, 50},
        {Qt::Key_AsciiTilde, 50},
        {Qt::Key_Backspace, 51},
        {Qt::Key_Escape, 53},
        {Qt::Key_Meta, 55},
        {Qt::Key_Shift, 56},
        {Qt::Key_CapsLock, 57},
        {Qt::Key_Alt, 58},
        {Qt::Key_Control, 59},
        {Qt::Key_Enter, 76},
        {Qt::Key_F5, 96},
        {Qt::Key_F6, 97},
        {Qt::Key_F7, 98},
        {Qt::Key_F3, 99},
        {Qt::Key_F8, 100},
        {Qt::Key_F9, 101},
        {Qt::Key_F11, 103},
        {Qt::Key_F10, 109},
        {Qt::Key_F12, 111},
        {Qt::Key_Help, 114},
        {Qt::Key_Home, 115},
        {Qt::Key_PageUp, 116},
        {Qt::Key_Delete, 117},
        {Qt::Key_F4, 118},
        {Qt::Key_End, 119},
        {Qt::Key_F2, 120},
        {Qt::Key_PageDown, 121},
        {Qt::Key_F1, 122},
        {Qt::Key_Left, 123},
        {Qt::Key_Right, 124},
        {Qt::Key_Down, 125},
        {Qt::Key_Up, 126},
    };
    return table;
}

// Keys whose characters the framework reports as fixed control or function-key characters.
const std::unordered_map<int, char16_t>& specialCharacters() {
    static const std::unordered_map<int, char16_t> table = {
        {Qt::Key_Return, u'\r'}, {Qt::Key_Enter, 0x0003},   {Qt::Key_Escape, 0x001b},
        {Qt::Key_Tab, u'\t'},    {Qt::Key_Backtab, 0x0019}, {Qt::Key_Backspace, 0x007f},
        {Qt::Key_Up, 0xf700},    {Qt::Key_Down, 0xf701},    {Qt::Key_Left, 0xf702},
        {Qt::Key_Right, 0xf703}, {Qt::Key_F1, 0xf704},      {Qt::Key_F2, 0xf705},
        {Qt::Key_F3, 0xf706},    {Qt::Key_F4, 0xf707},      {Qt::Key_F5, 0xf708},
        {Qt::Key_F6, 0xf709},    {Qt::Key_F7, 0xf70a},      {Qt::Key_F8, 0xf70b},
        {Qt::Key_F9, 0xf70c},    {Qt::Key_F10, 0xf70d},     {Qt::Key_F11, 0xf70e},
        {Qt::Key_F12, 0xf70f},   {Qt::Key_Delete, 0xf728},  {Qt::Key_Home, 0xf729},
        {Qt::Key_End, 0xf72b},   {Qt::Key_PageUp, 0xf72c},  {Qt::Key_PageDown, 0xf72d},
        {Qt::Key_Help, 0xf746},
    };
    return table;
}

Point locationInWindow(QWidget& receiver, const QPointF& position, const Ref<Window>& window) {
    if (!window)
        return {position.x(), receiver.height() - position.y()};
    QWidget* top = window->peer().widget;
    const QPointF inWindow = receiver.mapTo(top, position);
    return {inWindow.x(), top->height() - inWindow.y()};
}

Ref<String> stringFromQt(const QString& text) {
    return String::create(text.toStdU16String());
}

} // namespace

std::uint64_t translateModifiers(Qt::KeyboardModifiers modifiers) {
    std::uint64_t flags = 0;
    if (modifiers & Qt::ShiftModifier)
        flags |= EventModifierFlag::Shift;
    if (modifiers & Qt::ControlModifier)
        flags |= EventModifierFlag::Command;
    if (modifiers & Qt::MetaModifier)
        flags |= EventModifierFlag::Control;
    if (modifiers & Qt::AltModifier)
        flags |= EventModifierFlag::Option;
    if (modifiers & Qt::KeypadModifier)
        flags |= EventModifierFlag::NumericPad;
    return flags;
}

Qt::KeyboardModifiers toolkitModifiers(std::uint64_t flags) {
    Qt::KeyboardModifiers modifiers;
    if (flags & EventModifierFlag::Shift)
        modifiers |= Qt::ShiftModifier;
    if (flags & EventModifierFlag::Command)
        modifiers |= Qt::ControlModifier;
    if (flags & EventModifierFlag::Control)
        modifiers |= Qt::MetaModifier;
    if (flags & EventModifierFlag::Option)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

QKeyCombination toolkitKeyEquivalent(const String& key, std::uint64_t flags) {
    if (key.length() != 1)
        return {};
    const QChar character(key.characterAtIndex(0));
    Qt::KeyboardModifiers modifiers = toolkitModifiers(flags);
    if (character == u'\r')
        return QKeyCombination(modifiers, Qt::Key_Return);
    if (character == u'\x1b')
        return QKeyCombination(modifiers, Qt::Key_Escape);
    if (!character.isPrint())
        return {};
    if (character.isUpper())
        modifiers |= Qt::ShiftModifier;
    // The toolkit's key codes of printable keys are their uppercase characters.
    return QKeyCombination(modifiers, static_cast<Qt::Key>(character.toUpper().unicode()));
}

std::uint16_t keyCodeForKey(int key) {
    const auto it = keyCodes().find(key);
    return it == keyCodes().end() ? 0xffff : it->second;
}

bool isModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Meta ||
           key == Qt::Key_Alt || key == Qt::Key_CapsLock || key == Qt::Key_AltGr;
}

Ref<Event> translateMouseEvent(const QMouseEvent& event, EventType type, QWidget& receiver,
                               const Ref<Window>& window, std::function<void()> toolkitDefault) {
    Event::Fields fields;
    fields.type = type;
    fields.modifierFlags = translateModifiers(event.modifiers());
    fields.locationInWindow = locationInWindow(receiver, event.position(), window);
    fields.timestamp = static_cast<double>(event.timestamp()) / 1000.0;
    fields.clickCount =
        event.type() == QEvent::MouseButtonDblClick ? 2
        : (event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonRelease)
            ? 1
            : 0;
    fields.buttonNumber = event.button() == Qt::RightButton    ? 1
                          : event.button() == Qt::MiddleButton ? 2
                                                               : 0;
    return std::make_shared<Event>(std::move(fields), window, std::move(toolkitDefault));
}

Ref<Event> translateKeyEvent(const QKeyEvent& event, EventType type, const Ref<Window>& window,
                             std::function<void()> toolkitDefault) {
    Event::Fields fields;
    fields.type = type;
    fields.modifierFlags = translateModifiers(event.modifiers());
    fields.timestamp = static_cast<double>(event.timestamp()) / 1000.0;
    fields.keyCode = keyCodeForKey(event.key());
    fields.isARepeat = event.isAutoRepeat();
    if (const auto special = specialCharacters().find(event.key());
        special != specialCharacters().end()) {
        fields.characters = String::create(std::u16string(1, special->second));
        fields.charactersIgnoringModifiers = fields.characters;
    } else if (type != EventType::FlagsChanged) {
        fields.characters = stringFromQt(event.text());
        // Without modifiers a letter key gives its letter, upper case only with Shift.
        QString plain = event.text();
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
            const QChar letter(u'a' + (event.key() - Qt::Key_A));
            plain = (event.modifiers() & Qt::ShiftModifier) ? letter.toUpper() : letter;
        }
        fields.charactersIgnoringModifiers = stringFromQt(plain);
    }
    return std::make_shared<Event>(std::move(fields), window, std::move(toolkitDefault));
}

Ref<Event> translateWheelEvent(const QWheelEvent& event, QWidget& receiver,
                               const Ref<Window>& window, std::function<void()> toolkitDefault) {
    Event::Fields fields;
    fields.type = EventType::ScrollWheel;
    fields.modifierFlags = translateModifiers(event.modifiers());
    fields.locationInWindow = locationInWindow(receiver, event.position(), window);
    fields.timestamp = static_cast<double>(event.timestamp()) / 1000.0;
    // One wheel notch (120 eighths of a degree) scrolls one line, as the framework counts.
    fields.deltaX = event.angleDelta().x() / 120.0;
    fields.deltaY = event.angleDelta().y() / 120.0;
    return std::make_shared<Event>(std::move(fields), window, std::move(toolkitDefault));
}

Ref<Event> translateCrossingEvent(EventType type, const Ref<Window>& window,
                                  std::function<void()> toolkitDefault) {
    Event::Fields fields;
    fields.type = type;
    return std::make_shared<Event>(std::move(fields), window, std::move(toolkitDefault));
}

} // namespace platform::detail
