// The background work of virtual drives (-LDInit, -LDCC, -LDBI): start, abort, suspend, resume
// and the progress of initializations, consistency checks and background initializations, and
// the background-initialization setting.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdOperationParsedObject.h"

class VirtualDisk;

class LdOperationCp : public TypedProcessor<LdOperationParsedObject, "LdOperationParsedObject"> {
public:
    // The status of the last drive handled.
    int ProcessParsed(CpController* cpController, LdOperationParsedObject* object) override;

private:
    int Start(VirtualDisk* vd, u8 target);
    int Abort(VirtualDisk* vd, u8 target);
    int ShowProgress(VirtualDisk* vd, u8 target);
    int SetBgi(VirtualDisk* vd, u8 target);
    int ShowBgiSetting(VirtualDisk* vd, u8 target);
    int SuspendResume(VirtualDisk* vd, u8 target);

    LdOperationParsedObject* object_ = nullptr;
    u8 adapterNumber_ = 0;
};
