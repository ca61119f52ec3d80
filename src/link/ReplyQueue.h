// Discovery replies on their way from the capture thread to the dispatch thread. The lock is
// held only to append one frame or to take them all.
#pragma once

#include <deque>
#include <mutex>

#include "link/LinkFrame.h"

namespace lumicord {

class CReplyQueue {
public:
    void Push(const LinkFrame& frame) {
        std::lock_guard lock(m_lock);
        m_frames.push_back(frame);
    }
    // Every queued frame in arrival order; the queue is left empty.
    std::deque<LinkFrame> TakeAll() {
        std::deque<LinkFrame> taken;
        std::lock_guard lock(m_lock);
        taken.swap(m_frames);
        return taken;
    }

private:
    std::mutex m_lock;
    std::deque<LinkFrame> m_frames;
};

} // namespace lumicord
