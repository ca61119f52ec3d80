// The device rows of the devices grid as the page keeps them: per row the MAC text and the
// image of its check column and of its status column. Rows count from 1 as in the grid, whose
// row 0 is the header.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "records/OperateStatus.h"

namespace lumicord {

// Indexes into the grid's image list.
enum GridImage {
    kImageUnselect = 0,
    kImageSelect = 1,
    kImagePartSelect = 2,
    kImageSuccess = 3,
    kImageError = 4,
    kImageOperating = 5,
    kImageNone = 6, // not started: no picture
};

// The status image of a combined result: success, error, operating, or none.
GridImage StatusImageFor(int result);

struct DeviceRow {
    std::string mac;
    GridImage checkImage = kImageUnselect;
    GridImage statusImage = kImageNone;
};

class CDeviceRows {
public:
    void Clear();
    // Appends a row; returns its row number (from 1).
    int Append(const std::string& mac, GridImage statusImage);
    int Count() const { return static_cast<int>(m_rows.size()); }

    // Row `row` (from 1); the caller keeps to 1..Count().
    const DeviceRow& At(int row) const { return m_rows[static_cast<std::size_t>(row - 1)]; }
    DeviceRow& At(int row) { return m_rows[static_cast<std::size_t>(row - 1)]; }
    // The first row showing `mac` exactly; 0 when none does.
    int Find(const std::string& mac) const;

private:
    std::vector<DeviceRow> m_rows;
    std::unordered_map<std::string, int> m_firstRow; // MAC -> first row showing it
};

} // namespace lumicord
