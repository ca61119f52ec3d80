// A window message posted to a page or control: the message number with its two parameters,
// delivered through the receiver's event queue like a posted Win32 message.
#pragma once

#include <QCoreApplication>
#include <QEvent>

#include <cstdint>

namespace lumicord {

// Message numbers the pages post to one another.
inline constexpr int kUserMessage = 0x400;
inline constexpr int kAntiTheftBatchMessage = kUserMessage + 100; // 0x464
inline constexpr int kCustomizeBatchMessage = kUserMessage + 101; // 0x465
inline constexpr int kEditChangedMessage = kUserMessage + 3000;   // 4024

class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(int message, std::uintptr_t wParam, std::intptr_t lParam)
        : QEvent(EventType()), m_message(message), m_wParam(wParam), m_lParam(lParam) {}

    static QEvent::Type EventType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    int Message() const { return m_message; }
    std::uintptr_t WParam() const { return m_wParam; }
    std::intptr_t LParam() const { return m_lParam; }

private:
    int m_message;
    std::uintptr_t m_wParam;
    std::intptr_t m_lParam;
};

// Queues the message for the receiver; it arrives after the current event has been handled.
inline void PostWindowMessage(QObject* receiver, int message, std::uintptr_t wParam = 0,
                              std::intptr_t lParam = 0) {
    QCoreApplication::postEvent(receiver, new WindowMessageEvent(message, wParam, lParam));
}

} // namespace lumicord
