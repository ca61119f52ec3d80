#include "SimDevice.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumicord::devsim {

const char* TransferKindName(TransferKind kind) {
    switch (kind) {
    case TransferKind::Config:
        return "config";
    case TransferKind::Logo:
        return "logo";
    case TransferKind::AntiTheft:
        return "antitheft";
    }
    return "unknown";
}

std::string CommandLockCode(const std::string& command) {
    static const std::string key = "\"Lockcode\":\"";
    const std::size_t start = command.find(key);
    if (start == std::string::npos)
        return {};
    const std::size_t from = start + key.size();
    const std::size_t end = command.find('"', from);
    return command.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

CSimDevice::CSimDevice(const MacAddress& mac, DeviceBehaviour behaviour)
    : m_mac(mac), m_behaviour(std::move(behaviour)) {}

void CSimDevice::OnFrame(const LinkFrame& in, std::vector<OutFrame>& out,
                         std::vector<CompletedTransfer>& completed) {
    const std::uint16_t msg = in.msg_type.get();
    const std::uint16_t op = in.op_code.get();
    if (msg == MsgDiscover && op == OpDiscoverRequest) {
        ++m_stats.discoveryRequests;
        if (!m_behaviour.silent)
            OnDiscovery(in, out);
    } else if ((msg == MsgConfigFile && op == OpConfigChunk) ||
               (msg == MsgLogo && op == OpLogoChunk) ||
               (msg == MsgAntiTheft && op == OpAntiTheftCommand)) {
        const auto kind = static_cast<TransferKind>(msg - 1);
        ++m_stats.framesReceived[static_cast<std::size_t>(kind)];
        if (!m_behaviour.silent && !m_behaviour.noAck)
            OnTransferFrame(in, kind, out, completed);
    }
}

LinkFrame CSimDevice::ReplyTo(const LinkFrame& in, std::uint16_t opCode) const {
    MacAddress tool;
    std::memcpy(tool.data(), in.src_mac, 6);
    LinkFrame reply = BuildFrameTemplate(tool, m_mac);
    reply.msg_type.set(in.msg_type.get());
    reply.op_code.set(opCode);
    return reply;
}

void CSimDevice::OnDiscovery(const LinkFrame& in, std::vector<OutFrame>& out) {
    OutFrame reply{0, ReplyTo(in, OpReply)};
    EncodeDevInfo(reply.frame, m_behaviour.info);
    out.push_back(reply);
}

void CSimDevice::OnTransferFrame(const LinkFrame& in, TransferKind kind, std::vector<OutFrame>& out,
                                 std::vector<CompletedTransfer>& completed) {
    Transfer& transfer = m_transfers[static_cast<std::size_t>(kind)];
    const std::uint16_t seq = in.seq_no.get();
    transfer.copies = seq == transfer.lastSeq ? transfer.copies + 1 : 1;
    transfer.lastSeq = seq;

    if (transfer.copies == 1) {
        for (int i = 0; i < m_behaviour.strayFlood; ++i) {
            // Same conversation, but seq_no 0 never matches a chunk in flight.
            out.push_back({0, ReplyTo(in, OpReply)});
            ++m_stats.straysSent;
        }
    }
    // A copy that is not acknowledged is treated as lost: its data is not taken either.
    if (m_behaviour.secondCopy && transfer.copies % 2 == 1)
        return;

    const bool ended = TakeChunk(transfer, in);
    OutFrame ack{m_behaviour.ackDelayMs, ReplyTo(in, OpReply)};
    ack.frame.seq_no.set(seq);
    out.push_back(ack);
    ++m_stats.acksSent;
    if (!ended)
        return;

    const std::size_t index = static_cast<std::size_t>(kind);
    ++m_stats.transfersCompleted[index];
    m_stats.bytesCompleted[index] += transfer.data.size();
    const std::uint16_t code = OutcomeCode(kind, transfer.data);
    for (int i = 0; i < m_behaviour.outcomeRepeats; ++i) {
        out.push_back({m_behaviour.ackDelayMs, ReplyTo(in, code)});
        ++m_stats.outcomesSent;
    }
    completed.push_back({kind, std::move(transfer.data)});
    transfer.data.clear();
}

bool CSimDevice::TakeChunk(Transfer& transfer, const LinkFrame& in) {
    const std::uint16_t seq = in.seq_no.get();
    const std::uint16_t pos = in.chunk_pos.get();
    const bool opens = seq == 1 && (pos == ChunkFirst || pos == ChunkLast);
    const bool repeatOfFirst = transfer.inProgress && transfer.chunks == 1 && pos == ChunkFirst;
    if (opens && !repeatOfFirst) {
        transfer.data.clear();
        transfer.chunks = 0;
        transfer.inProgress = true;
    }
    if (!transfer.inProgress || seq != ChunkSeqNo(transfer.chunks + 1))
        return false; // a repeat of a chunk already taken, or out of order
    const std::size_t length = std::min<std::size_t>(in.chunk_len.get(), kChunkDataSize);
    transfer.data.insert(transfer.data.end(), in.chunk_data, in.chunk_data + length);
    ++transfer.chunks;
    if (pos != ChunkLast)
        return false;
    transfer.inProgress = false;
    return true;
}

std::uint16_t CSimDevice::OutcomeCode(TransferKind kind,
                                      const std::vector<std::uint8_t>& data) const {
    const bool applied = m_behaviour.outcome == Outcome::Applied;
    switch (kind) {
    case TransferKind::Config:
        return applied ? OpConfigOk : OpConfigFail;
    case TransferKind::Logo:
        return applied ? OpLogoOk : OpLogoFail;
    case TransferKind::AntiTheft:
        break;
    }
    const std::string command(data.begin(), data.end());
    if (!applied ||
        (!m_behaviour.lockCode.empty() && CommandLockCode(command) != m_behaviour.lockCode))
        return OpLockcodeMismatch;
    return OpAntiTheftOk;
}

} // namespace lumicord::devsim
