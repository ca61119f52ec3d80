#include "link/Transmitter.h"

#include <cstring>
#include <memory>

#include "link/AckWaitLoop.h"
#include "link/FileChunker.h"
#include "link/TransferPaths.h"
#include "records/OperateStatus.h"

namespace lumicord {
namespace {

// A transfer's place on its adapter's shared path: frames from its device reach its inbox
// from joining until it leaves at the end of the transfer, whatever its result.
class CPathMembership {
public:
    CPathMembership(std::shared_ptr<CTransferPath> path, const MacAddress& device)
        : m_path(std::move(path)), m_device(device) {
        m_path->Join(m_device, m_inbox);
    }
    ~CPathMembership() { m_path->Leave(m_device, m_inbox); }
    CPathMembership(const CPathMembership&) = delete;
    CPathMembership& operator=(const CPathMembership&) = delete;

    CTransferPath& Path() { return *m_path; }
    CTransferInbox& Inbox() { return m_inbox; }

private:
    std::shared_ptr<CTransferPath> m_path;
    MacAddress m_device;
    CTransferInbox m_inbox;
};

// The wait loop's view of a transfer: sends on the shared path, reads the device's inbox.
class CInboxPort : public CAckPort {
public:
    explicit CInboxPort(CPathMembership& member) : m_member(member) {}

    void Send(const LinkFrame& frame) override { m_member.Path().Send(frame); }
    ReceiveResult Receive(LinkFrame& frame) override {
        return m_member.Inbox().TryPop(frame) ? ReceiveResult::Frame : ReceiveResult::Timeout;
    }
    PollWake WaitUntil(Clock::time_point deadline, bool watchEndpoint) override {
        return m_member.Inbox().WaitUntil(deadline, watchEndpoint);
    }
    Clock::time_point Now() override { return Clock::now(); }

private:
    CPathMembership& m_member;
};

// Joins the shared path of the link's device: up to 10 tries 100 ms apart. Null when every
// try failed or a stop was asked for.
std::unique_ptr<CPathMembership> JoinTransferPath(const TransferLink& link, const LinkFrame& templ,
                                                  bool& stopped) {
    stopped = false;
    MacAddress device;
    std::memcpy(device.data(), templ.dst_mac, device.size());
    for (int attempt = 0; attempt < kEndpointTries; ++attempt) {
        std::shared_ptr<CTransferPath> path;
        const CTransferPaths::JoinResult joined = link.paths != nullptr
                                                      ? link.paths->Join(link.captureDevice, path)
                                                      : CTransferPaths::JoinResult::Failed;
        if (joined == CTransferPaths::JoinResult::Joined)
            return std::make_unique<CPathMembership>(std::move(path), device);
        if (joined == CTransferPaths::JoinResult::Stopped) {
            stopped = true;
            return nullptr;
        }
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(kEndpointRetryMs);
        if (WaitReadable(-1, link.stopFd, &until) == PollWake::Woken) {
            stopped = true;
            return nullptr;
        }
    }
    return nullptr;
}

TransferResult FromWait(WaitResult result) {
    switch (result) {
    case WaitResult::Acknowledged:
        return TransferResult::Finished;
    case WaitResult::Stopped:
        return TransferResult::Stopped;
    case WaitResult::Failed:
        break;
    }
    return TransferResult::Failed;
}

int Code(TransferResult result) {
    return result == TransferResult::Finished ? TransmitFinish : TransmitFail;
}

} // namespace

TransferResult SendFile(const TransferLink& link, const LinkFrame& templ,
                        std::uint16_t expectedMsgType, const std::string& path) {
    if (FdSignalled(link.stopFd))
        return TransferResult::Stopped;
    bool stopped = false;
    const auto member = JoinTransferPath(link, templ, stopped);
    if (!member)
        return stopped ? TransferResult::Stopped : TransferResult::Failed;
    CFileChunker file;
    if (!file.Open(path))
        return TransferResult::Failed;
    CInboxPort port(*member);
    LinkFrame frame = templ;
    for (;;) {
        if (!file.NextChunk(frame))
            return TransferResult::Failed;
        const std::uint16_t seqNo = frame.seq_no.get();
        const WaitResult waited = WaitForAcknowledgement(port, frame, [&](const LinkFrame& reply) {
            return IsChunkAcknowledgement(reply, expectedMsgType, seqNo);
        });
        if (waited != WaitResult::Acknowledged)
            return FromWait(waited);
        if (file.AtEnd())
            return TransferResult::Finished;
    }
}

TransferResult SendCommand(const TransferLink& link, const LinkFrame& templ,
                           const std::string& commandText) {
    if (FdSignalled(link.stopFd))
        return TransferResult::Stopped;
    bool stopped = false;
    const auto member = JoinTransferPath(link, templ, stopped);
    if (!member)
        return stopped ? TransferResult::Stopped : TransferResult::Failed;
    CInboxPort port(*member);
    const LinkFrame frame = BuildAntiTheftCommand(templ, commandText);
    return FromWait(WaitForAcknowledgement(port, frame, IsAntiTheftAcknowledgement));
}

void RunTransmitJob(const TransmitJob& job, const TransferLink& link, CTransferStatus& status) {
    const std::string mac = MacText(job.dst_mac);
    LinkFrame templ = EmptyFrame();
    static_assert(offsetof(TransmitJob, kind) >= 14);
    std::memcpy(&templ, &job, 14);

    const auto text = [](const char* field, std::size_t size) {
        return FieldText(reinterpret_cast<const std::uint8_t*>(field), size);
    };
    const auto transfer = [&](std::uint16_t msgType, std::uint16_t opCode, std::uint16_t fileCount,
                              const std::string& path, StatusColumn column) {
        LinkFrame frame = templ;
        frame.msg_type.set(msgType);
        frame.op_code.set(opCode);
        frame.file_count.set(fileCount);
        const std::uint64_t mark = status.Mark();
        const TransferResult result = SendFile(link, frame, msgType, path);
        status.Write(column, mac, Code(result), mark);
        return result;
    };
    const std::string logo = text(job.logo_path, sizeof job.logo_path);
    const std::string config = text(job.config_path, sizeof job.config_path);

    switch (job.kind) {
    case JobLogo:
        transfer(MsgLogo, OpLogoChunk, 1, logo, StatusColumn::Logo);
        return;
    case JobConfigFile:
        transfer(MsgConfigFile, OpConfigChunk, 1, config, StatusColumn::Para);
        return;
    case JobAntiTheft: {
        LinkFrame frame = templ;
        frame.msg_type.set(MsgAntiTheft);
        frame.op_code.set(OpAntiTheftCommand);
        frame.file_count.set(1);
        const std::uint64_t mark = status.Mark();
        const TransferResult result =
            SendCommand(link, frame, text(job.command_text, sizeof job.command_text));
        status.Write(StatusColumn::AntiTheft, mac, Code(result), mark);
        return;
    }
    default:
        if (transfer(MsgLogo, OpLogoChunk, 2, logo, StatusColumn::Logo) == TransferResult::Stopped)
            return;
        transfer(MsgConfigFile, OpConfigChunk, 2, config, StatusColumn::Para);
        return;
    }
}

} // namespace lumicord
