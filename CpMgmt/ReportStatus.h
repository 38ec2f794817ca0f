// The status of a report that goes on past a failed controller read. The report prints all else
// it can and says in a line what could not be read; its status is that of the first read that
// failed, and the run ends as it would had that read been the last request: with its firmware
// status (and the "FW error description" line) or, for a failure of the controller access, 1.
// A report never ends with 0 while part of it is missing.
#pragma once
#include "ZepUtil/Types.h"

class ReportStatus {
public:
    // Notes a failed read: `status` is the read's (a status of 0 counts as -1). The first failure
    // is kept, with the run's last firmware status at that moment (the failed request's).
    void Fail(int status);

    // Fail(status) when `status` is not 0; answers `status`.
    int Check(int status);

    bool Failed() const { return status_ != 0; }

    // 0 when nothing failed; else the first failure's status, after making its request the
    // run's last firmware status again (the reads after it succeeded and replaced it).
    int Result() const;

private:
    int status_ = 0;
    int errorClass_ = 0;
    int errorStatus_ = 0;
};

// "Adapter %d: Failed to read %s.\n": the line that names what a report could not read (the
// drive list, a section, an object by its number), and the drive's form of it, naming the drive
// by its enclosure and slot.
void PrintReadFailure(u8 adapter, const char* what);
void PrintDriveReadFailure(u8 adapter, u16 enclosureId, u8 slot);
