// The parsed mirror commands (-LDBreakMirror, -LDViewMirror, -LDJoinMirror) for one adapter:
// the virtual-drive ids (64 first: all), the data source of -DataSrc (255 when not given) and
// the -force flag.
#pragma once
#include "cmdtool/ParsedObject.h"

class LdMirrorParsedObject : public LdParsedObject {
public:
    static constexpr u8 kNoDataSource = 0xFF;

    LdMirrorParsedObject(u16 commandId, const ArrayList<u8>& ids, u8 dataSource, u8 force, u8 adapterNumber);
    ParsedObject* Clone() const override;

    // 0 copies the virtual drive's data to the mirror drives, 1 takes the mirror's data.
    u8 GetDataSrc() const { return dataSource_; }
    u8 GetForce() const { return force_; }

protected:
    LdMirrorParsedObject(const LdMirrorParsedObject&) = default;

private:
    u8 force_;
    u8 dataSource_;
};
