// Before a scan starts: a capture device that cannot be opened (no capture rights, the adapter
// gone) would make the scan find nothing and look like an empty segment. Instead the user is
// told why and how to grant the rights, and no scan starts.
#pragma once

#include <QString>

class QWidget;

namespace lumicord {

class AcTransmitManage;

// The note's text for capture device `device` that failed with `why`.
QString CaptureFailureText(const QString& device, const QString& why);

// True when the chosen capture device opens; otherwise shows the note over `owner` and
// returns false.
bool CheckCaptureUsable(const AcTransmitManage& manager, QWidget* owner);

} // namespace lumicord
