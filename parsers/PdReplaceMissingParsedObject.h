// The parsed replace-missing command (-PdReplaceMissing) for one adapter: the drive list of the
// command line (shared as for -PDInfo; only its first drive is used), the array and the row.
#pragma once
#include "ZepUtil/Types.h"
#include "parsers/PdInfoParsedObject.h"

class PdReplaceMissingParsedObject : public PdInfoParsedObject {
public:
    PdReplaceMissingParsedObject(u16 commandId, const SharedDriveList& drives, u8 array, u8 row, u8 adapterNumber);
    ParsedObject* Clone() const override;

    u8 GetArray() const { return array_; }
    u8 GetRow() const { return row_; }

protected:
    PdReplaceMissingParsedObject(const PdReplaceMissingParsedObject&) = default;

private:
    u8 array_;
    u8 row_;
};
