#include "ui/pages/DeviceRows.h"

namespace lumicord {

GridImage StatusImageFor(int result) {
    switch (result) {
    case ResultSuccess:
        return kImageSuccess;
    case ResultFailed:
        return kImageError;
    case ResultInProgress:
        return kImageOperating;
    default:
        return kImageNone;
    }
}

void CDeviceRows::Clear() {
    m_rows.clear();
    m_firstRow.clear();
}

int CDeviceRows::Append(const std::string& mac, GridImage statusImage) {
    m_rows.push_back({mac, kImageUnselect, statusImage});
    const int row = Count();
    m_firstRow.emplace(mac, row);
    return row;
}

int CDeviceRows::Find(const std::string& mac) const {
    const auto found = m_firstRow.find(mac);
    return found == m_firstRow.end() ? 0 : found->second;
}

} // namespace lumicord
