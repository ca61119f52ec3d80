// One simulated device: answers discovery, acknowledges chunks and commands, reassembles
// transfers and reports their outcome, with the fault modes a test may ask for.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "link/LinkFrame.h"
#include "link/MacText.h"

namespace lumicord::devsim {

enum class Outcome { Applied, Failed, Mismatch };

// Transfer kinds, indexed by msg_type - 1.
enum class TransferKind { Config = 0, Logo = 1, AntiTheft = 2 };
constexpr std::size_t kTransferKinds = 3;
const char* TransferKindName(TransferKind kind);

struct DeviceBehaviour {
    DevInfoTexts info;
    Outcome outcome = Outcome::Applied;
    std::string lockCode;    // empty: any lock code is accepted
    bool silent = false;     // never answers anything
    bool noAck = false;      // answers discovery, acknowledges nothing
    bool secondCopy = false; // acknowledges only every second copy of a frame
    int ackDelayMs = 0;      // delay of every acknowledgement (and what follows it)
    int strayFlood = 0;      // stray frames sent when a new chunk arrives
    int outcomeRepeats = 1;  // copies of each outcome frame
};

// A frame the device sends, `delayMs` after the frame that caused it.
struct OutFrame {
    int delayMs = 0;
    LinkFrame frame;
};

struct CompletedTransfer {
    TransferKind kind;
    std::vector<std::uint8_t> data;
};

struct DeviceStats {
    std::uint64_t discoveryRequests = 0;
    std::uint64_t acksSent = 0;
    std::uint64_t outcomesSent = 0;
    std::uint64_t straysSent = 0;
    std::array<std::uint64_t, kTransferKinds> framesReceived{};
    std::array<std::uint64_t, kTransferKinds> transfersCompleted{};
    std::array<std::uint64_t, kTransferKinds> bytesCompleted{};
};

class CSimDevice {
public:
    CSimDevice(const MacAddress& mac, DeviceBehaviour behaviour);

    // Handles one frame sent to this device (or broadcast). Frames to send go to `out`,
    // transfers that this frame completed to `completed`.
    void OnFrame(const LinkFrame& in, std::vector<OutFrame>& out,
                 std::vector<CompletedTransfer>& completed);

    const MacAddress& Mac() const { return m_mac; }
    const DeviceStats& Stats() const { return m_stats; }

private:
    struct Transfer {
        std::vector<std::uint8_t> data;
        std::uint64_t chunks = 0; // chunks taken into `data`
        bool inProgress = false;
        std::uint16_t lastSeq = 0; // seq_no of the latest frame seen, and its copies
        std::uint64_t copies = 0;
    };

    void OnDiscovery(const LinkFrame& in, std::vector<OutFrame>& out);
    void OnTransferFrame(const LinkFrame& in, TransferKind kind, std::vector<OutFrame>& out,
                         std::vector<CompletedTransfer>& completed);
    // True when this frame's data was new and ended the transfer.
    bool TakeChunk(Transfer& transfer, const LinkFrame& in);
    std::uint16_t OutcomeCode(TransferKind kind, const std::vector<std::uint8_t>& data) const;
    LinkFrame ReplyTo(const LinkFrame& in, std::uint16_t opCode) const;

    MacAddress m_mac;
    DeviceBehaviour m_behaviour;
    DeviceStats m_stats;
    std::array<Transfer, kTransferKinds> m_transfers;
};

// The "Lockcode" value of an anti-theft command text; empty when it has none.
std::string CommandLockCode(const std::string& command);

} // namespace lumicord::devsim
