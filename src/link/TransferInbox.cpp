#include "link/TransferInbox.h"

namespace lumicord {

bool CTransferInbox::Push(const LinkFrame& frame) {
    {
        std::lock_guard lock(m_lock);
        if (m_frames.size() >= kCapacity) {
            ++m_dropped;
            return false;
        }
        m_frames.push_back(frame);
    }
    m_arrived.notify_one();
    return true;
}

bool CTransferInbox::TryPop(LinkFrame& frame) {
    std::lock_guard lock(m_lock);
    if (m_frames.empty())
        return false;
    frame = m_frames.front();
    m_frames.pop_front();
    return true;
}

PollWake CTransferInbox::WaitUntil(Clock::time_point deadline, bool watchFrames) {
    std::unique_lock lock(m_lock);
    const auto ready = [&] {
        return m_stopped || (watchFrames && !m_frames.empty());
    };
    m_arrived.wait_until(lock, deadline, ready);
    if (m_stopped)
        return PollWake::Woken;
    return watchFrames && !m_frames.empty() ? PollWake::Readable : PollWake::Timeout;
}

void CTransferInbox::Stop() {
    {
        std::lock_guard lock(m_lock);
        m_stopped = true;
    }
    m_arrived.notify_all();
}

std::uint64_t CTransferInbox::Dropped() const {
    std::lock_guard lock(m_lock);
    return m_dropped;
}

} // namespace lumicord
