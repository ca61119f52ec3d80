// Filling an ap_info_stu from the current row of the store's recordset.
#pragma once

#include "records/ApInfoStu.h"

namespace lumicord {

class CADORecordset;

// MAC (trimmed), date, the three status codes, SSIDs and keys of the current row.
ap_info_stu ReadDeviceRow(CADORecordset& recordset);
// MAC (trimmed), SSIDs and keys of the current row; date and statuses stay zero.
ap_info_stu ReadWirelessRow(CADORecordset& recordset);

} // namespace lumicord
