#pragma once
// Message maps: each dialog class has one static table from a message (for WM_COMMAND, from a
// control id) to a member handler. The dialog looks a message up in the table of its most
// derived class, then in each base's table, and gives it default processing when none has it.
//
//     const MessageMap* CMyDialog::GetMessageMap() const {
//         static const MessageMapEntry entries[] = {
//             MapMessage<&CMyDialog::OnPaint>(WM_PAINT),
//             MapCommand<&CMyDialog::OnStart>(IDC_START),
//         };
//         static const MessageMap map{CDialog::GetMessageMap(), entries};
//         return &map;
//     }
#include <span>

#include "win_types.h"

class CDialog;

struct MessageMapEntry {
    UINT message;
    UINT id;  // the control id of a WM_COMMAND entry; 0 for the others
    LRESULT (*handler)(CDialog* target, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* base;
    std::span<const MessageMapEntry> entries;
};

namespace message_map_detail {

template <class>
struct MemberOf;
template <class R, class C, class... A>
struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};

// The handler shapes the messages have: no arguments (commands, paint, destroy, close), the timer
// id, the system command with its second parameter, and a returned icon (query drag icon).
template <class C>
LRESULT Call(C* self, void (C::*handler)(), WPARAM, LPARAM) {
    (self->*handler)();
    return 0;
}
template <class C>
LRESULT Call(C* self, void (C::*handler)(UINT_PTR), WPARAM wParam, LPARAM) {
    (self->*handler)(wParam);
    return 0;
}
template <class C>
LRESULT Call(C* self, void (C::*handler)(UINT, LPARAM), WPARAM wParam, LPARAM lParam) {
    (self->*handler)(static_cast<UINT>(wParam), lParam);
    return 0;
}
template <class C>
LRESULT Call(C* self, HICON (C::*handler)(), WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((self->*handler)());
}

template <auto Handler>
LRESULT Invoke(CDialog* target, WPARAM wParam, LPARAM lParam) {
    using C = typename MemberOf<decltype(Handler)>::Class;
    return Call(static_cast<C*>(target), Handler, wParam, lParam);
}

}  // namespace message_map_detail

template <auto Handler>
constexpr MessageMapEntry MapMessage(UINT message) {
    return {message, 0, &message_map_detail::Invoke<Handler>};
}

// A click on a button, or any other command with this id.
template <auto Handler>
constexpr MessageMapEntry MapCommand(int id) {
    return {WM_COMMAND, static_cast<UINT>(id), &message_map_detail::Invoke<Handler>};
}
