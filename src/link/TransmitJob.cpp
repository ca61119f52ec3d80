#include "link/TransmitJob.h"

#include <algorithm>
#include <cstring>

#include "link/LinkFrame.h"

namespace lumicord {

TransmitJob MakeTransmitJob(const MacAddress& device, const MacAddress& adapter,
                            std::int32_t kind) {
    TransmitJob job;
    std::memset(&job, 0, sizeof job);
    std::memcpy(job.dst_mac, device.data(), 6);
    std::memcpy(job.src_mac, adapter.data(), 6);
    job.ether_type[0] = static_cast<std::uint8_t>(kLinkEtherType >> 8);
    job.ether_type[1] = static_cast<std::uint8_t>(kLinkEtherType & 0xFF);
    job.kind = kind;
    return job;
}

bool SetJobText(char* field, std::size_t size, std::string_view text) {
    const std::size_t length = std::min(text.size(), size - 1);
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), length);
    return length == text.size();
}

} // namespace lumicord
