// The 1286-byte frame of every conversation with the devices (EtherType 0x6262), its coded
// values, and the rules for building, reading and matching frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/BigEndian16.h"
#include "link/MacText.h"

namespace lumicord {

constexpr std::size_t kLinkFrameSize = 1286;
constexpr std::size_t kChunkDataSize = 1024;
constexpr std::size_t kDevInfoSize = 200;
constexpr std::uint16_t kLinkEtherType = 0x6262;
// A seq_no of 0xFFFF acknowledges whatever chunk is in flight; it also stands in for a chunk
// count whose low 16 bits are 0.
constexpr std::uint16_t kWildcardSeqNo = 0xFFFF;

enum MsgType : std::uint16_t {
    MsgDiscover = 0,
    MsgConfigFile = 1,
    MsgLogo = 2,
    MsgAntiTheft = 3,
};

enum OpCode : std::uint16_t {
    OpDiscoverRequest = 1,
    OpConfigChunk = 2,
    OpLogoChunk = 3,
    OpReply = 4,
    OpConfigFail = 5,
    OpConfigOk = 6,
    OpLogoFail = 7,
    OpLogoOk = 8,
    OpLockcodeMismatch = 9,
    OpAntiTheftOk = 10,
    OpAntiTheftCommand = 11,
};

enum ChunkPos : std::uint16_t {
    ChunkMiddle = 0,
    ChunkFirst = 1,
    ChunkLast = 2,
};

struct LinkFrame {
    std::uint8_t dst_mac[6];
    std::uint8_t src_mac[6];
    BigEndian16 ether_type;
    BigEndian16 msg_type;
    BigEndian16 seq_no;
    BigEndian16 op_code;
    BigEndian16 file_count;
    std::uint8_t dev_info[kDevInfoSize];
    BigEndian16 chunk_pos;
    std::uint8_t reserved[36];
    std::uint8_t chunk_data[kChunkDataSize];
    BigEndian16 chunk_len;
};
static_assert(sizeof(LinkFrame) == kLinkFrameSize);
static_assert(offsetof(LinkFrame, dst_mac) == 0);
static_assert(offsetof(LinkFrame, src_mac) == 6);
static_assert(offsetof(LinkFrame, ether_type) == 12);
static_assert(offsetof(LinkFrame, msg_type) == 14);
static_assert(offsetof(LinkFrame, seq_no) == 16);
static_assert(offsetof(LinkFrame, op_code) == 18);
static_assert(offsetof(LinkFrame, file_count) == 20);
static_assert(offsetof(LinkFrame, dev_info) == 22);
static_assert(offsetof(LinkFrame, chunk_pos) == 222);
static_assert(offsetof(LinkFrame, reserved) == 224);
static_assert(offsetof(LinkFrame, chunk_data) == 260);
static_assert(offsetof(LinkFrame, chunk_len) == 1284);

// dev_info of a discovery reply: four NUL-terminated texts, zero padded.
constexpr std::size_t kDevInfoSsid2Offset = 0; // frame offset 22
constexpr std::size_t kDevInfoSsid5Offset = 34;
constexpr std::size_t kDevInfoWpaKey2Offset = 68;
constexpr std::size_t kDevInfoWpaKey5Offset = 134;
constexpr std::size_t kDevInfoSsidSize = 34;
constexpr std::size_t kDevInfoWpaKeySize = 66;

struct DevInfoTexts {
    std::string ssid2;
    std::string ssid5;
    std::string wpakey2;
    std::string wpakey5;
};

// A zeroed frame.
LinkFrame EmptyFrame();

// Broadcast discovery request from `adapterMac`: msg_type 0, op_code 1, all else zero.
LinkFrame BuildDiscoveryRequest(const MacAddress& adapterMac);

// The frame header every frame of a job starts with: addresses and EtherType, all else zero.
LinkFrame BuildFrameTemplate(const MacAddress& dst, const MacAddress& src);

// Anti-theft command frame from `templ`: msg_type 3, op_code 11, seq_no 1, file_count 1,
// chunk_pos 2, the text followed by a NUL in chunk_data. Text beyond 1023 bytes is cut.
LinkFrame BuildAntiTheftCommand(const LinkFrame& templ, std::string_view commandText);

// seq_no of the `chunkNumber`-th chunk (counted from 1); a count whose low 16 bits are 0
// is sent as 0xFFFF.
std::uint16_t ChunkSeqNo(std::uint64_t chunkNumber);

// chunk_pos of a chunk read from [start, end) of a file of `length` bytes.
std::uint16_t ChunkPosition(std::uint64_t start, std::uint64_t end, std::uint64_t length);

// Fills seq_no, chunk_pos, chunk_len and chunk_data (zero beyond `size`, at most 1024) of
// `frame` for one chunk.
// most 1024; chunk_data beyond `size` is left as it was.
void FillChunk(LinkFrame& frame, std::uint64_t chunkNumber, std::uint64_t start,
               const std::uint8_t* data, std::size_t size, std::uint64_t length);

// A captured frame of `size` bytes read as a LinkFrame: zero padded when short, cut at 1286.
LinkFrame ReadCapturedFrame(const std::uint8_t* data, std::size_t size);

// True when `reply` acknowledges the chunk `seqNo` of a transfer of type `msgType`.
bool IsChunkAcknowledgement(const LinkFrame& reply, std::uint16_t msgType, std::uint16_t seqNo);

// True when `reply` acknowledges the anti-theft command: msg_type 3, op_code 4, seq_no 1.
bool IsAntiTheftAcknowledgement(const LinkFrame& reply);

// The four texts of a discovery reply's dev_info; a field without NUL is cut at its width.
DevInfoTexts DecodeDevInfo(const LinkFrame& reply);

// Writes the four texts into dev_info, each cut to leave room for its NUL.
void EncodeDevInfo(LinkFrame& frame, const DevInfoTexts& texts);

// Text of a fixed-width field: up to the first NUL or the whole width.
std::string FieldText(const std::uint8_t* field, std::size_t width);

} // namespace lumicord
