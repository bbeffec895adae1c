// Static message maps: how a window's messages reach member handlers.
//
// A class with handlers defines one `static const` table of MessageMapEntry values ended by
// an empty entry, and a MessageMap that points at that table and at its base class's map.
// Entries are made with MapMessage<message, &Class::Handler>(), which checks at compile
// time that the handler has the form the message hands over:
//   void Handler()                      for every message but the mouse messages;
//   void Handler(UINT flags, POINT at)  for WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP.
// Dispatch (CWnd's window procedure) looks a message up in the most derived map first and
// follows the base pointers; a message that no map holds takes default processing.
#pragma once

#include <type_traits>

#include "platform/Platform.h"

class CMessageTarget;

// Calls one member handler of `target` with the arguments decoded from the message.
using MessageInvoker = void (*)(CMessageTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;
    MessageInvoker invoke;  // null in the entry that ends a table
};

struct MessageMap {
    const MessageMap* base;          // the base class's map, null for the root
    const MessageMapEntry* entries;  // ended by an entry whose invoke is null
};

// The handler of `message` in `map` or the maps it defers to, null when none holds it.
MessageInvoker FindMessageHandler(const MessageMap* map, UINT message);

constexpr MessageMapEntry EndOfMessageMap() { return {0, nullptr}; }

namespace message_map_detail {

constexpr bool HandsOverFlagsAndPoint(UINT message) {
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP;
}

template <typename Member>
struct HandlerForm;

template <typename Target>
struct HandlerForm<void (Target::*)()> {
    using Class = Target;
    static constexpr bool takesFlagsAndPoint = false;
    static void Call(Target& target, void (Target::*handler)(), WPARAM, LPARAM) {
        (target.*handler)();
    }
};

template <typename Target>
struct HandlerForm<void (Target::*)(UINT, POINT)> {
    using Class = Target;
    static constexpr bool takesFlagsAndPoint = true;
    // The flags are the first parameter as it came; the position is two signed 16-bit
    // client coordinates, so a captured pointer left of the window arrives negative.
    static void Call(Target& target, void (Target::*handler)(UINT, POINT), WPARAM wParam,
                     LPARAM lParam) {
        (target.*handler)(static_cast<UINT>(wParam), POINT{GetXParam(lParam), GetYParam(lParam)});
    }
};

template <auto Handler>
void Invoke(CMessageTarget& target, WPARAM wParam, LPARAM lParam) {
    using Form = HandlerForm<decltype(Handler)>;
    using Target = typename Form::Class;
    static_assert(std::is_base_of_v<CMessageTarget, Target>, "handlers belong to message targets");
    Form::Call(static_cast<Target&>(target), Handler, wParam, lParam);
}

}  // namespace message_map_detail

template <UINT Message, auto Handler>
constexpr MessageMapEntry MapMessage() {
    using Form = message_map_detail::HandlerForm<decltype(Handler)>;
    static_assert(Form::takesFlagsAndPoint == message_map_detail::HandsOverFlagsAndPoint(Message),
                  "mouse messages take void(UINT flags, POINT point), other messages void()");
    return {Message, &message_map_detail::Invoke<Handler>};
}

// The common base of the objects that own a message map: the application and its windows.
// Each class with a map of its own declares a protected static `messageMap` whose base is
// its base class's `messageMap`, and returns it from GetMessageMap().
class CMessageTarget {
public:
    CMessageTarget() = default;
    CMessageTarget(const CMessageTarget&) = delete;
    CMessageTarget& operator=(const CMessageTarget&) = delete;
    virtual ~CMessageTarget() = default;
    virtual const MessageMap* GetMessageMap() const;

protected:
    static const MessageMap messageMap;
};
