#include "link/Transmitter.h"

#include <cstring>
#include <memory>

#include "link/FileChunker.h"
#include "link/TransferPaths.h"
#include "records/OperateStatus.h"

namespace lumicord {
namespace {

// A file's chunks as the path sends them.
class CFileSource : public CFrameSource {
public:
    CFileSource(CFileChunker& file, const LinkFrame& templ, std::uint16_t expectedMsgType)
        : m_file(file), m_frame(templ), m_expectedMsgType(expectedMsgType) {}

    const LinkFrame* Next() override {
        if (!m_file.NextChunk(m_frame))
            return nullptr;
        m_seqNo = m_frame.seq_no.get();
        return &m_frame;
    }
    bool IsAcknowledgement(const LinkFrame& reply) const override {
        return IsChunkAcknowledgement(reply, m_expectedMsgType, m_seqNo);
    }
    bool AtEnd() const override { return m_file.AtEnd(); }

private:
    CFileChunker& m_file;
    LinkFrame m_frame;
    std::uint16_t m_expectedMsgType;
    std::uint16_t m_seqNo = 0;
};

// The anti-theft command: one frame.
class CCommandSource : public CFrameSource {
public:
    explicit CCommandSource(const LinkFrame& frame) : m_frame(frame) {}
    const LinkFrame* Next() override { return &m_frame; }
    bool IsAcknowledgement(const LinkFrame& reply) const override {
        return IsAntiTheftAcknowledgement(reply);
    }
    bool AtEnd() const override { return true; }

private:
    LinkFrame m_frame;
};

// Joins the shared path of the link's device: up to 10 tries 100 ms apart. Null when every
// try failed or a stop was asked for.
std::shared_ptr<CTransferPath> JoinTransferPath(const TransferLink& link, bool& stopped) {
    stopped = false;
    for (int attempt = 0; attempt < kEndpointTries; ++attempt) {
        std::shared_ptr<CTransferPath> path;
        const CTransferPaths::JoinResult joined = link.paths != nullptr
                                                      ? link.paths->Join(link.captureDevice, path)
                                                      : CTransferPaths::JoinResult::Failed;
        if (joined == CTransferPaths::JoinResult::Joined)
            return path;
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

MacAddress DeviceOf(const LinkFrame& templ) {
    MacAddress device;
    std::memcpy(device.data(), templ.dst_mac, device.size());
    return device;
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
    const auto shared = JoinTransferPath(link, stopped);
    if (!shared)
        return stopped ? TransferResult::Stopped : TransferResult::Failed;
    CFileChunker file;
    if (!file.Open(path))
        return TransferResult::Failed;
    CFileSource source(file, templ, expectedMsgType);
    return FromWait(shared->Run(DeviceOf(templ), source));
}

TransferResult SendCommand(const TransferLink& link, const LinkFrame& templ,
                           const std::string& commandText) {
    if (FdSignalled(link.stopFd))
        return TransferResult::Stopped;
    bool stopped = false;
    const auto shared = JoinTransferPath(link, stopped);
    if (!shared)
        return stopped ? TransferResult::Stopped : TransferResult::Failed;
    CCommandSource source(BuildAntiTheftCommand(templ, commandText));
    return FromWait(shared->Run(DeviceOf(templ), source));
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
