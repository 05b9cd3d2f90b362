// What a window had before an effect first changed it: its layering, its
// place in the topmost band and its taskbar bits, with the process that owns
// it, so everything can be given back later. One record per window, kept in
// memory and in a volatile key beside the settings. No <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace effects {

// The layered-window flags (LWA_COLORKEY, LWA_ALPHA).
inline constexpr uint32_t kColourKeyFlag = 0x1;
inline constexpr uint32_t kAlphaFlag = 0x2;

struct Layering {
    enum class Kind : uint8_t {
        None,        // not layered
        Attributes,  // layered with a colour key and/or a constant alpha
        SelfDrawn,   // layered, but the attributes cannot be read: it draws
                     // itself with per-pixel alpha
    };
    Kind kind = Kind::None;
    uint32_t Key = 0;  // with kColourKeyFlag
    uint8_t Alpha = 255;
    uint32_t Flags = 0;
    bool operator==(const Layering&) const = default;

    bool HasColourKey() const { return kind == Kind::Attributes && (Flags & kColourKeyFlag); }
};

Layering NotLayered();
Layering SelfDrawnLayering();
// Only what the flags make count: the key with kColourKeyFlag, the alpha
// with kAlphaFlag (255 without).
Layering LayeredWith(uint32_t key, uint8_t alpha, uint32_t flags);

// What the effects change on a window.
struct WindowLook {
    Layering Layer;
    bool Topmost = false;
    bool ToolWindow = false;
    bool AppWindow = false;
    bool operator==(const WindowLook&) const = default;
};

// The process that owns a window, by id and start time: a handle or an id
// used again later belongs to another.
struct WindowOwner {
    uint32_t Process = 0;
    uint64_t Start = 0;
    bool operator==(const WindowOwner&) const = default;
};

struct ChangedWindow {
    int32_t Window = 0;  // the handle's 32-bit value
    WindowOwner Owner;
    WindowLook Before;
    bool operator==(const ChangedWindow&) const = default;
};

// One value per window, named by its handle.
std::wstring ChangedValueName(int32_t window);

// "window process start layering key alpha flags topmost tool app", plain
// decimal; layering 0 none, 1 attributes, 2 self-drawn; the bits 0 or 1.
std::wstring EncodeChanged(const ChangedWindow& record);

// The record of a value, or nothing when the text is not exactly what
// EncodeChanged writes or does not belong under this name.
std::optional<ChangedWindow> DecodeChanged(std::wstring_view name, std::wstring_view data);

}  // namespace effects
