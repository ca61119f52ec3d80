// One capture handle on the chosen adapter's pcap device: how the discovery sender, the
// capture thread and the transfers' shared receive path open it, filter it, send and read
// frames.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "link/LinkFrame.h"
#include "link/MacText.h"

typedef struct pcap pcap_t;

namespace lumicord {

// Who opens the endpoint; decides the capture buffer size.
enum class EndpointUse {
    DiscoverySender, // 1 ms timeout, one frame sent, closed
    Capture,         // 1 ms timeout, every reply addressed to the adapter
    Transmitter,     // 100 ms timeout, non-blocking, one device's frames
    TransferPath,    // every link frame reaching the adapter, for all transfers on it
};

enum class ReceiveResult { Frame, Timeout, Error };

class CLinkEndpoint {
public:
    // Opens `device` (snaplen 2048, promiscuous, immediate mode, the read timeout and the
    // buffer size of `use`). Null when the device cannot be opened; then `why`, when given,
    // holds the capture library's reason.
    static std::unique_ptr<CLinkEndpoint> Open(const std::string& device, int readTimeoutMs,
                                               EndpointUse use, std::string* why = nullptr);
    ~CLinkEndpoint();
    CLinkEndpoint(const CLinkEndpoint&) = delete;
    CLinkEndpoint& operator=(const CLinkEndpoint&) = delete;

    // Compiles (optimised, with the device's netmask or 0) and installs `expression`.
    // Failures are not reported to the user; the result says whether it was installed.
    bool SetFilter(const std::string& expression);
    // A blocking endpoint's Receive waits up to the read timeout for a frame; a non-blocking
    // one returns at once.
    bool SetNonBlocking(bool on);
    // Sees only frames arriving at the interface, not those sent from this machine.
    bool SetInboundOnly();

    // Sends exactly 1286 bytes. A failure is not reported; the result says how it went.
    bool Send(const LinkFrame& frame);

    // Reads one frame into `frame` (zeroed, zero padded or cut at 1286 bytes); the captured
    // length goes to `capturedBytes` and the kernel's capture time (microseconds since the
    // epoch) to `stampUs` when given. Timeout when none came within the read timeout
    // (blocking) or none was waiting (non-blocking).
    ReceiveResult Receive(LinkFrame& frame, std::size_t* capturedBytes = nullptr,
                          std::int64_t* stampUs = nullptr);

    // A descriptor that becomes readable when a frame is waiting; -1 when there is none.
    int SelectableFd() const;

    // Frames the kernel dropped because the capture buffer was full, since opening.
    std::uint64_t DroppedFrames() const;

private:
    CLinkEndpoint(pcap_t* handle, std::string device, int readTimeoutMs);
    pcap_t* m_handle;
    std::string m_device;
    int m_readTimeoutMs;
    bool m_blocking = true;
};

// "ether dst " + adapter MAC in lower case + "and ether proto 0x6262"
std::string CaptureFilterExpression(const MacAddress& adapterMac);
// The capture thread's filter: CaptureFilterExpression without the acknowledgements of
// transfers (op_code 4 under a msg_type other than 0), which the thread ignores. A thousand
// transfers acknowledge tens of thousands of chunks a second; left in, they fill the thread's
// buffer while it writes outcomes to the store, and outcome frames are lost.
std::string CaptureThreadFilterExpression(const MacAddress& adapterMac);
// "ether src " + device MAC in upper case + "and ether proto 0x6262"
std::string TransmitterFilterExpression(const MacAddress& deviceMac);
// Every link frame, whoever sent it and to whom.
inline constexpr const char* kLinkProtocolFilter = "ether proto 0x6262";

} // namespace lumicord
