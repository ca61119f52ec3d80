// Round trip of one chunk and its acknowledgement over a veth pair against lumicord-devsim
// (endpoint send to matching acknowledgement read), and the time to hear 1000 devices answer
// one discovery request.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "FrameWait.h"
#include "VethSegment.h"
#include "link/LinkEndpoint.h"

using namespace lumicord;
using namespace lumicord::testing;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr int kChunks = 10000;
const MacAddress kDevice = {0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

double Micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void PrintFigures(const char* what, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) {
        return values[static_cast<std::size_t>(q * (values.size() - 1))];
    };
    double sum = 0;
    for (double v : values)
        sum += v;
    std::printf("%s: n %zu, median %.1f us, p99 %.1f us, mean %.1f us, min %.1f us, max %.1f us\n",
                what, values.size(), at(0.5), at(0.99), sum / values.size(), values.front(),
                values.back());
}

pid_t StartDevsim(CVethSegment& segment, int count) {
    return segment.Spawn(
        {LUMICORD_DEVSIM_PATH, "-i", CVethSegment::DeviceInterface(), "-n", std::to_string(count)});
}

// Sends `frame` and waits for the acknowledgement of `seq`; false after 2 s.
bool RoundTrip(CLinkEndpoint& endpoint, const LinkFrame& frame, std::uint16_t seq) {
    endpoint.Send(frame);
    LinkFrame reply;
    return WaitForFrameWhere(
        endpoint, reply,
        [&](const LinkFrame& f) { return IsChunkAcknowledgement(f, MsgConfigFile, seq); }, 2000ms);
}

bool ChunkRoundTrips(CVethSegment& segment) {
    const pid_t devsim = StartDevsim(segment, 1);
    auto endpoint =
        CLinkEndpoint::Open(CVethSegment::AppInterface(), 100, EndpointUse::Transmitter);
    if (!endpoint || !endpoint->SetFilter(TransmitterFilterExpression(kDevice)))
        return false;
    LinkFrame chunk = BuildFrameTemplate(kDevice, CVethSegment::AppMac());
    chunk.msg_type.set(MsgConfigFile);
    chunk.op_code.set(OpConfigChunk);
    chunk.file_count.set(1);
    std::vector<std::uint8_t> data(kChunkDataSize, 0x5A);
    const std::uint64_t length = static_cast<std::uint64_t>(kChunks) * kChunkDataSize;

    // A one-chunk warm-up transfer also waits for the simulator to come up.
    FillChunk(chunk, 1, 0, data.data(), data.size(), kChunkDataSize);
    bool up = false;
    for (int i = 0; i < 50 && !up; ++i)
        up = RoundTrip(*endpoint, chunk, 1);
    if (!up)
        return false;
    std::vector<double> times;
    for (int n = 1; n <= kChunks; ++n) {
        FillChunk(chunk, static_cast<std::uint64_t>(n),
                  static_cast<std::uint64_t>(n - 1) * kChunkDataSize, data.data(), data.size(),
                  length);
        const Clock::time_point start = Clock::now();
        if (!RoundTrip(*endpoint, chunk, ChunkSeqNo(static_cast<std::uint64_t>(n)))) {
            std::printf("chunk %d not acknowledged\n", n);
            return false;
        }
        times.push_back(Micros(Clock::now() - start));
    }
    PrintFigures("chunk round trip (1024-byte chunks, one device)", times);
    segment.Stop(devsim);
    return true;
}

bool DiscoveryBurst(CVethSegment& segment) {
    const pid_t devsim = StartDevsim(segment, 1000);
    auto capture = CLinkEndpoint::Open(CVethSegment::AppInterface(), 1, EndpointUse::Capture);
    auto sender =
        CLinkEndpoint::Open(CVethSegment::AppInterface(), 1, EndpointUse::DiscoverySender);
    if (!capture || !sender || !capture->SetFilter(CaptureFilterExpression(CVethSegment::AppMac())))
        return false;
    // Up once device 1 acknowledges a command sent to it alone.
    const LinkFrame probe =
        BuildAntiTheftCommand(BuildFrameTemplate(kDevice, CVethSegment::AppMac()), "{}");
    LinkFrame reply;
    bool up = false;
    for (int i = 0; i < 50 && !up; ++i) {
        capture->Send(probe);
        up = WaitForFrameWhere(*capture, reply, IsAntiTheftAcknowledgement, 200ms);
    }
    while (WaitForFrame(*capture, reply, 100ms)) {
    }
    std::vector<double> times;
    for (int round = 0; round < 5 && up; ++round) {
        const Clock::time_point start = Clock::now();
        sender->Send(BuildDiscoveryRequest(CVethSegment::AppMac()));
        std::set<std::string> answered;
        while (answered.size() < 1000 && WaitForFrame(*capture, reply, 2000ms))
            answered.insert(MacText(reply.src_mac));
        times.push_back(Micros(Clock::now() - start) / 1000.0);
        std::printf("discovery round %d: %zu of 1000 devices in %.2f ms, capture drops %llu\n",
                    round + 1, answered.size(), times.back(),
                    static_cast<unsigned long long>(capture->DroppedFrames()));
    }
    segment.Stop(devsim);
    return up;
}

} // namespace

int main() {
    std::string whyNot;
    auto segment = CVethSegment::Create(whyNot);
    if (!segment) {
        std::printf("skipped: %s\n", whyNot.c_str());
        return 0;
    }
    const bool ok = ChunkRoundTrips(*segment) && DiscoveryBurst(*segment);
    return ok ? 0 : 1;
}
