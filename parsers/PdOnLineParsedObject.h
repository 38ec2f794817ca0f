// The parsed form of -PDOnline, -PdMarkMissing, -PdGetMissing and -PdLocate for one adapter:
// the operation, the locate choice and its own copy of the drive list.
#pragma once
#include <vector>

#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/PdIdListObject.h"

class PdOnLineParsedObject : public ParsedObject {
public:
    // Operations.
    static constexpr u8 kMarkMissing = 0;
    static constexpr u8 kGetMissing = 1;
    static constexpr u8 kOnline = 2;
    static constexpr u8 kLocate = 3;
    // Locate choices.
    static constexpr u8 kLocateStart = 0;
    static constexpr u8 kLocateStop = 1;

    PdOnLineParsedObject(u16 commandId, const std::vector<PdIdListObject>& drives, u8 operation, u8 locateOption,
                         u8 adapterNumber);
    ParsedObject* Clone() const override;

    u8 GetOperation() const { return operation_; }
    u8 GetLocateOption() const { return locateOption_; }
    // The drives in the order given (enclosure 0xFFFF: none, 0xCCCC: "?").
    const std::vector<PdIdListObject>& GetPdList() const { return drives_; }

protected:
    PdOnLineParsedObject(const PdOnLineParsedObject&) = default;

private:
    std::vector<PdIdListObject> drives_;
    u8 operation_;
    u8 locateOption_;
};
