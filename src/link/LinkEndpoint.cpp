#include "link/LinkEndpoint.h"

#include <linux/if_packet.h>
#include <pcap/pcap.h>
#include <poll.h>
#include <sys/socket.h>
#include <utility>

namespace lumicord {
namespace {

// No reader looks past byte 1286 of a frame, so a snapshot just above it loses nothing. The
// snapshot length sets the size of every ring slot, and the whole ring is mapped into the
// process: with 65536 each slot would take 64 KiB.
constexpr int kSnapshotLength = 2048;

// A short-lived sender, or one device's acknowledgements and outcomes a few at a time: about
// 28 slots.
constexpr int kSmallBufferBytes = 64 * 1024;
// The capture thread sees every link frame addressed to the adapter: a burst of 1000
// discovery replies, and the acknowledgements and outcomes of a thousand transfers running at
// once; the transfers' receive path sees the same frames. About 3600 slots each.
constexpr int kLargeBufferBytes = 8 * 1024 * 1024;

int BufferBytes(EndpointUse use) {
    switch (use) {
    case EndpointUse::Capture:
    case EndpointUse::TransferPath:
        return kLargeBufferBytes;
    case EndpointUse::DiscoverySender:
    case EndpointUse::Transmitter:
        break;
    }
    return kSmallBufferBytes;
}

std::string FilterText(const char* direction, const std::string& macText) {
    // The address runs straight into "and"; the filter compiler reads them apart.
    return std::string("ether ") + direction + " " + macText + "and ether proto 0x6262";
}

} // namespace

std::unique_ptr<CLinkEndpoint> CLinkEndpoint::Open(const std::string& device, int readTimeoutMs,
                                                   EndpointUse use, std::string* why) {
    auto fail = [why](const char* reason) -> std::unique_ptr<CLinkEndpoint> {
        if (why != nullptr)
            *why = reason;
        return nullptr;
    };
    if (device.empty())
        return fail("no capture device chosen");
    char errbuf[PCAP_ERRBUF_SIZE] = {};
    pcap_t* handle = pcap_create(device.c_str(), errbuf);
    if (handle == nullptr)
        return fail(errbuf);
    if (pcap_set_snaplen(handle, kSnapshotLength) != 0 || pcap_set_promisc(handle, 1) != 0 ||
        pcap_set_timeout(handle, readTimeoutMs) != 0 || pcap_set_immediate_mode(handle, 1) != 0 ||
        pcap_set_buffer_size(handle, BufferBytes(use)) != 0 || pcap_activate(handle) < 0) {
        const std::string reason = pcap_geterr(handle);
        pcap_close(handle);
        return fail(reason.c_str());
    }
    // On Linux a blocking pcap read may wait for the first frame however long it takes, so
    // the handle always stays non-blocking and Receive waits out the read timeout itself.
    if (pcap_setnonblock(handle, 1, errbuf) != 0 || pcap_get_selectable_fd(handle) < 0) {
        pcap_close(handle);
        return fail("no selectable descriptor");
    }
    return std::unique_ptr<CLinkEndpoint>(new CLinkEndpoint(handle, device, readTimeoutMs));
}

CLinkEndpoint::CLinkEndpoint(pcap_t* handle, std::string device, int readTimeoutMs)
    : m_handle(handle), m_device(std::move(device)), m_readTimeoutMs(readTimeoutMs) {}

CLinkEndpoint::~CLinkEndpoint() {
    pcap_close(m_handle);
}

bool CLinkEndpoint::SetFilter(const std::string& expression) {
    bpf_u_int32 net = 0;
    bpf_u_int32 mask = 0;
    char errbuf[PCAP_ERRBUF_SIZE] = {};
    if (pcap_lookupnet(m_device.c_str(), &net, &mask, errbuf) != 0)
        mask = 0;
    bpf_program program{};
    if (pcap_compile(m_handle, &program, expression.c_str(), 1, mask) != 0)
        return false;
    const bool installed = pcap_setfilter(m_handle, &program) == 0;
    pcap_freecode(&program);
    return installed;
}

bool CLinkEndpoint::SetNonBlocking(bool on) {
    m_blocking = !on;
    return true;
}

bool CLinkEndpoint::SetInboundOnly() {
    if (pcap_setdirection(m_handle, PCAP_D_IN) != 0)
        return false;
    // The kernel then also skips this socket for every frame the machine sends, instead of
    // running its filter on each (a cost that grows with the number of endpoints open).
    const int on = 1;
    setsockopt(pcap_get_selectable_fd(m_handle), SOL_PACKET, PACKET_IGNORE_OUTGOING, &on,
               sizeof on);
    return true;
}

bool CLinkEndpoint::Send(const LinkFrame& frame) {
    return pcap_sendpacket(m_handle, reinterpret_cast<const u_char*>(&frame),
                           static_cast<int>(kLinkFrameSize)) == 0;
}

ReceiveResult CLinkEndpoint::Receive(LinkFrame& frame, std::size_t* capturedBytes,
                                     std::int64_t* stampUs) {
    pcap_pkthdr* header = nullptr;
    const u_char* data = nullptr;
    int result = pcap_next_ex(m_handle, &header, &data);
    if (result == 0 && m_blocking) {
        pollfd fd = {pcap_get_selectable_fd(m_handle), POLLIN, 0};
        if (poll(&fd, 1, m_readTimeoutMs) > 0)
            result = pcap_next_ex(m_handle, &header, &data);
    }
    if (result == 1) {
        frame = ReadCapturedFrame(data, header->caplen);
        if (capturedBytes != nullptr)
            *capturedBytes = header->caplen;
        if (stampUs != nullptr)
            *stampUs = static_cast<std::int64_t>(header->ts.tv_sec) * 1000000 + header->ts.tv_usec;
        return ReceiveResult::Frame;
    }
    return result == 0 ? ReceiveResult::Timeout : ReceiveResult::Error;
}

std::uint64_t CLinkEndpoint::DroppedFrames() const {
    pcap_stat stats{};
    if (pcap_stats(m_handle, &stats) != 0)
        return 0;
    return stats.ps_drop;
}

int CLinkEndpoint::SelectableFd() const {
    return pcap_get_selectable_fd(m_handle);
}

std::string CaptureFilterExpression(const MacAddress& adapterMac) {
    return FilterText("dst", MacTextLower(adapterMac));
}

std::string CaptureThreadFilterExpression(const MacAddress& adapterMac) {
    return CaptureFilterExpression(adapterMac) + " and not (ether[18:2] = 4 and ether[14:2] != 0)";
}

std::string TransmitterFilterExpression(const MacAddress& deviceMac) {
    return FilterText("src", MacText(deviceMac));
}

} // namespace lumicord
