// Starting an anti-theft batch: what is written to the store and which jobs start, in order.
#include <gtest/gtest.h>

#include <cstring>

#include "content/AntiTheftApply.h"
#include "records/OperateStatus.h"

using namespace lumicord;

namespace {

class RecordingTarget : public CAntiTheftTarget {
public:
    bool ResetStatuses() override {
        calls.push_back("reset");
        return true;
    }
    bool SetAntiTheftStatus(const std::string& mac, int code) override {
        calls.push_back("status " + mac + " " + std::to_string(code));
        return true;
    }
    bool StartJob(const TransmitJob& job) override {
        jobs.push_back(job);
        calls.push_back("job " + MacText(job.dst_mac));
        return refuseJobs == 0 || --refuseJobs < 0;
    }
    MacAddress AdapterMac() const override { return {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}; }

    std::vector<std::string> calls;
    std::vector<TransmitJob> jobs;
    int refuseJobs = 0;
};

const std::string kCommand =
    R"({"Lockcode":"k","Enable":"0","ACName":"","DNS1":"0.0.0.0","DNS2":"0.0.0.0"})";

} // namespace

TEST(AntiTheftApply, OneResetThenStatusAndJobPerDeviceInListOrder) {
    RecordingTarget target;
    const std::vector<std::string> macs = {"02:00:00:00:00:03", "02:00:00:00:00:01",
                                           "02:00:00:00:00:02"};
    const AntiTheftApplyResult result = ApplyToDevices(target, macs, kCommand);
    EXPECT_EQ(result.started, 3);
    EXPECT_TRUE(result.notStarted.empty());
    const std::string operating = std::to_string(Operating);
    EXPECT_EQ(target.calls, (std::vector<std::string>{
                                "reset", "status " + macs[0] + " " + operating, "job " + macs[0],
                                "status " + macs[1] + " " + operating, "job " + macs[1],
                                "status " + macs[2] + " " + operating, "job " + macs[2]}));
    const TransmitJob& job = target.jobs.at(0);
    const std::uint8_t dst[6] = {0x02, 0, 0, 0, 0, 0x03};
    const std::uint8_t src[6] = {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};
    EXPECT_EQ(std::memcmp(job.dst_mac, dst, 6), 0);
    EXPECT_EQ(std::memcmp(job.src_mac, src, 6), 0);
    EXPECT_EQ(job.ether_type[0], 0x62);
    EXPECT_EQ(job.ether_type[1], 0x62);
    EXPECT_EQ(job.kind, JobAntiTheft);
    EXPECT_EQ(std::string(job.command_text), kCommand);
    EXPECT_EQ(job.config_path[0], '\0');
    EXPECT_EQ(job.logo_path[0], '\0');
}

TEST(AntiTheftApply, DevicesThatCannotStartAreReportedAndTheRestGoOn) {
    RecordingTarget target;
    target.refuseJobs = 1;
    const AntiTheftApplyResult result =
        ApplyToDevices(target, {"02:00:00:00:00:01", "not a mac", "02:00:00:00:00:02"}, kCommand);
    EXPECT_EQ(result.started, 1);
    EXPECT_EQ(result.notStarted, (std::vector<std::string>{"02:00:00:00:00:01", "not a mac"}));
    EXPECT_EQ(target.calls.size(), 5u); // reset, and status and job for the two MACs

    // A command that does not fit the job record is never cut short on the way to a device.
    RecordingTarget tooLong;
    const AntiTheftApplyResult none =
        ApplyToDevices(tooLong, {"02:00:00:00:00:01"}, std::string(kJobCommandSize, 'x'));
    EXPECT_EQ(none.started, 0);
    EXPECT_EQ(tooLong.calls, std::vector<std::string>{"reset"});
}
