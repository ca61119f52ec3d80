// A private network namespace with a veth pair for link tests: the program's end and the
// simulator's end, both up. The calling thread (and the threads it starts afterwards) works
// inside the namespace; child processes can be started in it. Nothing outside is touched.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

#include "link/MacText.h"

namespace lumicord::testing {

class CVethSegment {
public:
    // Makes the namespace and the pair and moves the calling thread into the namespace. Null,
    // with the reason in `whyNot`, when that cannot be done here.
    static std::unique_ptr<CVethSegment> Create(std::string& whyNot);
    // Stops the children, moves the thread back and deletes the namespace (and the pair).
    ~CVethSegment();
    CVethSegment(const CVethSegment&) = delete;
    CVethSegment& operator=(const CVethSegment&) = delete;

    const std::string& Namespace() const { return m_namespace; }
    static const char* AppInterface() { return "lumi-app"; }
    static const char* DeviceInterface() { return "lumi-dev"; }
    static MacAddress AppMac() { return {0x02, 0x4c, 0x4d, 0x00, 0x00, 0x01}; }
    static MacAddress DeviceMac() { return {0x02, 0x4c, 0x4d, 0x00, 0x00, 0x02}; }

    // Starts `argv` inside the namespace with standard output and error going to
    // `outputPath` (if not empty); returns its pid, or -1.
    pid_t Spawn(const std::vector<std::string>& argv, const std::string& outputPath = "");
    // Sends SIGTERM and waits for the child; returns its exit status (-1 when it did not end
    // normally). SIGKILL follows if it has not ended after `graceMs`.
    int Stop(pid_t child, int graceMs = 5000);

private:
    CVethSegment(std::string name, int originalNs);
    std::string m_namespace;
    int m_originalNs;
    std::vector<pid_t> m_children;
};

// Runs a command and waits for it; true when it exited with status 0.
bool RunCommand(const std::vector<std::string>& argv);

} // namespace lumicord::testing
