#include "link/LinkFrame.h"

#include <algorithm>
#include <cstring>

namespace lumicord {

LinkFrame EmptyFrame() {
    LinkFrame frame;
    std::memset(&frame, 0, sizeof frame);
    return frame;
}

LinkFrame BuildFrameTemplate(const MacAddress& dst, const MacAddress& src) {
    LinkFrame frame = EmptyFrame();
    std::memcpy(frame.dst_mac, dst.data(), 6);
    std::memcpy(frame.src_mac, src.data(), 6);
    frame.ether_type.set(kLinkEtherType);
    return frame;
}

LinkFrame BuildDiscoveryRequest(const MacAddress& adapterMac) {
    LinkFrame frame = BuildFrameTemplate(kBroadcastMac, adapterMac);
    frame.msg_type.set(MsgDiscover);
    frame.op_code.set(OpDiscoverRequest);
    return frame;
}

LinkFrame BuildAntiTheftCommand(const LinkFrame& templ, std::string_view commandText) {
    LinkFrame frame = templ;
    const std::size_t length = std::min(commandText.size(), kChunkDataSize - 1);
    frame.msg_type.set(MsgAntiTheft);
    frame.op_code.set(OpAntiTheftCommand);
    frame.file_count.set(1);
    frame.seq_no.set(1);
    frame.chunk_pos.set(ChunkLast);
    std::memcpy(frame.chunk_data, commandText.data(), length);
    frame.chunk_data[length] = 0;
    frame.chunk_len.set(static_cast<std::uint16_t>(length));
    return frame;
}

std::uint16_t ChunkSeqNo(std::uint64_t chunkNumber) {
    const auto low = static_cast<std::uint16_t>(chunkNumber & 0xFFFF);
    return low == 0 ? kWildcardSeqNo : low;
}

std::uint16_t ChunkPosition(std::uint64_t start, std::uint64_t end, std::uint64_t length) {
    if (end == length)
        return ChunkLast;
    return start == 0 ? ChunkFirst : ChunkMiddle;
}

void FillChunk(LinkFrame& frame, std::uint64_t chunkNumber, std::uint64_t start,
               const std::uint8_t* data, std::size_t size, std::uint64_t length) {
    size = std::min(size, kChunkDataSize);
    frame.seq_no.set(ChunkSeqNo(chunkNumber));
    frame.chunk_pos.set(ChunkPosition(start, start + size, length));
    frame.chunk_len.set(static_cast<std::uint16_t>(size));
    if (size > 0)
        std::memcpy(frame.chunk_data, data, size);
    // The receiver ignores the rest; zeroing it keeps earlier chunks off the wire.
    std::memset(frame.chunk_data + size, 0, kChunkDataSize - size);
}

LinkFrame ReadCapturedFrame(const std::uint8_t* data, std::size_t size) {
    LinkFrame frame = EmptyFrame();
    if (data != nullptr)
        std::memcpy(&frame, data, std::min(size, kLinkFrameSize));
    return frame;
}

bool IsChunkAcknowledgement(const LinkFrame& reply, std::uint16_t msgType, std::uint16_t seqNo) {
    if (reply.seq_no.get() == kWildcardSeqNo)
        return true;
    return reply.msg_type.get() == msgType && reply.op_code.get() == OpReply &&
           reply.seq_no.get() == seqNo;
}

bool IsAntiTheftAcknowledgement(const LinkFrame& reply) {
    return reply.msg_type.get() == MsgAntiTheft && reply.op_code.get() == OpReply &&
           reply.seq_no.get() == 1;
}

std::string FieldText(const std::uint8_t* field, std::size_t width) {
    const auto* begin = reinterpret_cast<const char*>(field);
    const auto* nul = static_cast<const char*>(std::memchr(begin, 0, width));
    return std::string(begin, nul ? static_cast<std::size_t>(nul - begin) : width);
}

DevInfoTexts DecodeDevInfo(const LinkFrame& reply) {
    const std::uint8_t* info = reply.dev_info;
    return {FieldText(info + kDevInfoSsid2Offset, kDevInfoSsidSize),
            FieldText(info + kDevInfoSsid5Offset, kDevInfoSsidSize),
            FieldText(info + kDevInfoWpaKey2Offset, kDevInfoWpaKeySize),
            FieldText(info + kDevInfoWpaKey5Offset, kDevInfoWpaKeySize)};
}

namespace {
void PutField(std::uint8_t* field, std::size_t width, const std::string& text) {
    std::memset(field, 0, width);
    std::memcpy(field, text.data(), std::min(text.size(), width - 1));
}
} // namespace

void EncodeDevInfo(LinkFrame& frame, const DevInfoTexts& texts) {
    std::uint8_t* info = frame.dev_info;
    PutField(info + kDevInfoSsid2Offset, kDevInfoSsidSize, texts.ssid2);
    PutField(info + kDevInfoSsid5Offset, kDevInfoSsidSize, texts.ssid5);
    PutField(info + kDevInfoWpaKey2Offset, kDevInfoWpaKeySize, texts.wpakey2);
    PutField(info + kDevInfoWpaKey5Offset, kDevInfoWpaKeySize, texts.wpakey5);
}

} // namespace lumicord
