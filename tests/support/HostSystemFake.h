// An operating-system layer whose host files and kernel driver a test chooses: the version
// files are files the test names (a missing one stands for a host without it), and the driver's
// version record is handed in (none: the node cannot be opened). It replaces the process-wide
// layer while it lives.
#pragma once
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>

#include "runtime/System.h"

class HostSystemFake : public SystemLinux {
public:
    HostSystemFake() { SetSystemForTest(this); }
    ~HostSystemFake() override { SetSystemForTest(nullptr); }
    HostSystemFake(const HostSystemFake&) = delete;
    HostSystemFake& operator=(const HostSystemFake&) = delete;

    std::string osVersionFile = "/nonexistent/version";
    std::string driverVersionFile = "/nonexistent/driver-version";
    std::optional<std::array<u8, kDriverRecordSize>> driverRecord;

    // A driver record with the release date and version texts at their places.
    void SetDriverRecord(const std::string& releaseDate, const std::string& version)
    {
        std::array<u8, kDriverRecordSize> record{};
        std::memcpy(record.data(), releaseDate.data(), std::min<std::size_t>(releaseDate.size(), 32));
        std::memcpy(record.data() + 32, version.data(), std::min<std::size_t>(version.size(), 64));
        driverRecord = record;
    }

    const char* OsVersionFile() override { return osVersionFile.c_str(); }
    const char* DriverVersionFile() override { return driverVersionFile.c_str(); }
    int ReadDriverVersionRecord(u8 record[kDriverRecordSize]) override
    {
        if (!driverRecord)
            return -1;
        std::memcpy(record, driverRecord->data(), kDriverRecordSize);
        return 0;
    }
};
