// GoogleTest base for tests over the veth segment: skips, with the reason, where no network
// namespace can be made; otherwise the test body runs inside it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "VethSegment.h"

namespace lumicord::testing {

class VethTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string whyNot;
        m_segment = CVethSegment::Create(whyNot);
        if (!m_segment)
            GTEST_SKIP() << "no veth segment: " << whyNot;
    }
    void TearDown() override { m_segment.reset(); }

    // Starts lumicord-devsim on the simulator's end with `args` after -i.
    pid_t StartDevsim(const std::vector<std::string>& args, const std::string& outputPath = "") {
        std::vector<std::string> argv = {LUMICORD_DEVSIM_PATH, "-i",
                                         CVethSegment::DeviceInterface()};
        argv.insert(argv.end(), args.begin(), args.end());
        return m_segment->Spawn(argv, outputPath);
    }

    std::unique_ptr<CVethSegment> m_segment;
};

} // namespace lumicord::testing
