// The parsed hot-spare command (-PDHSP) for one adapter: make the listed drives hot spares
// (global, or dedicated to the listed arrays; enclosure affinity; revertible or not), or
// remove them as hot spares.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "parsers/PdRbldDriveList.h"
#include "runtime/ArrayList.h"

class PdHspParsedObject : public ParsedObject {
public:
    PdHspParsedObject(u16 commandId, const PdIdList& drives, const ArrayList<u8>& arrays, u8 enclAffinity,
                      u8 dedicated, u8 revertible, u32 set, u8 adapterNumber);
    ParsedObject* Clone() const override;

    const PdIdList& GetPdList() const { return drives_; }
    // The array numbers of -Array, in the order given (used only with -Dedicated).
    const ArrayList<u8>& GetArrayList() const { return arrays_; }
    u8 GetEnclAffinity() const { return enclAffinity_; }
    u8 GetDedicated() const { return dedicated_; }
    u8 GetRevertible() const { return revertible_; }
    // 1 make hot spares, 0 remove them.
    u32 GetSet() const { return set_; }

protected:
    PdHspParsedObject(const PdHspParsedObject&) = default;

private:
    PdIdList drives_;
    ArrayList<u8> arrays_;
    u8 enclAffinity_;
    u8 dedicated_;
    u8 revertible_;
    u32 set_;
};
