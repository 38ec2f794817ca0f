// A controller for the configuration-change tests: the model fake's prepared replies, plus a
// record of every request (opcode, kind, mailbox, data sent), the new virtual drive's
// reference returned in the mailbox of a configuration write, and the spun-up count returned
// by a spin-up request. Blocks for drives with the fields planning reads.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CpMgmt/CpController.h"
#include "ModelFake.h"
#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/Tokenizer.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/ids/EnclSlotId.h"

namespace cfg_test {

using model_test::Put16;
using model_test::Put32;
using model_test::Put64;

struct Sent {
    u32 opcode;
    DpKind kind;
    Bytes mailbox;
    Bytes data;  // what went to the controller
};

class CfgProvider : public model_test::ModelProvider {
public:
    int Execute(DpParams& request) override
    {
        auto* dcmd = dynamic_cast<DcmdFwiDpParams*>(&request);
        if (dcmd == nullptr)
            return -1;
        Sent s{dcmd->GetOpcode(), request.GetKind(), Bytes(dcmd->GetMailbox(), dcmd->GetMailbox() + 12), {}};
        const auto* data = static_cast<const u8*>(request.GetBuffer());
        if (data != nullptr && (request.GetDirection() == kDpToController || request.GetDirection() == kDpBoth))
            s.data.assign(data, data + request.GetTransferLength());
        sent.push_back(s);
        // A spin-up request answers its list with the count word replaced, also while drives
        // are still spinning up (status 85).
        if (dcmd->GetOpcode() == kDcmdPdSpinUp && statuses.count({kDcmdPdSpinUp, 0}) == 0) {
            if (request.GetTransferLength() >= 8)
                PutLeU32(static_cast<u8*>(request.GetBuffer()), 4, spunUpReply);
            return spinUpStatus;
        }
        const int status = ModelProvider::Execute(request);
        if (status != 0)
            return status;
        if (dcmd->GetOpcode() == kDcmdCfgAdd) {
            dcmd->MutableMailbox()[0] = newTargetId;
            PutLeU16(dcmd->MutableMailbox(), 2, newSeqNum);
        }
        return status;
    }

    std::vector<Sent> Of(u32 opcode) const
    {
        std::vector<Sent> found;
        for (const Sent& s : sent)
            if (s.opcode == opcode)
                found.push_back(s);
        return found;
    }

    std::vector<Sent> sent;
    u8 newTargetId = 2;
    u16 newSeqNum = 7;
    u32 spunUpReply = 0;
    int spinUpStatus = 0;
};

// The controller information with the limits and capabilities planning reads: up to 64
// virtual drives (16 per array), RAID 0, 1, 5, 6, 10, 50, 60, drives per array 1-32 (RAID 1
// and 10: 2-32, RAID 5, 50: 3-32, RAID 6, 60: 3-32), SAS/SATA mixing of hard disks allowed.
inline Bytes CtrlInfo()
{
    Bytes b(2048, 0);
    b[1343] = 64;
    b[1500] = 0xF7;           // all but RAID 1E
    b[1520] = 1u << 3;        // hard disks of both interfaces may mix
    b[1928] = 16;
    const u8 limits[7][2] = {{1, 32}, {2, 32}, {3, 32}, {3, 32}, {2, 32}, {3, 32}, {3, 32}};
    for (int i = 0; i < 7; ++i) {
        b[1960 + 2 * i] = limits[i][0];
        b[1961 + 2 * i] = limits[i][1];
    }
    return b;
}

// The defaults block: 256 KB strips (code 9), write back, read ahead, cached I/O.
inline Bytes Defaults()
{
    Bytes b(72, 0);
    b[10] = 9;
    b[12] = 1;
    b[13] = 1;
    b[15] = 1;
    return b;
}

struct Drive {
    u16 id;
    u8 slot;
    u16 state = 0;            // firmware state
    u64 coerced = 2000000;    // blocks
    u8 iface = 2;             // 2 SAS, 3 SATA
    u8 media = 0;             // 1 solid state
    u16 seq = 3;
    u8 power = 0;             // non-zero: spun down
    bool piEligible = false;
};

inline Bytes DriveRecord(const Drive& d, u16 enclosure)
{
    Bytes b = model_test::PdRecord(d.id, enclosure, d.slot);
    Put16(b, 2, d.seq);
    Put16(b, 184, d.state);
    b[189] = static_cast<u8>(d.iface << 4);
    b[190] = d.piEligible ? 1 : 0;
    Put64(b, 248, d.coerced);
    b[358] = d.power;
    b[370] = d.media;
    return b;
}

// The virtual-drive list with the given target ids.
inline Bytes VdList(const std::vector<u8>& targets)
{
    Bytes b(1032, 0);
    Put32(b, 0, static_cast<u32>(targets.size()));
    for (std::size_t i = 0; i < targets.size(); ++i)
        b[8 + 16 * i] = targets[i];
    return b;
}

// A controller (enclosure 252) with its drives, a configuration image and a manager over it.
struct CfgRig {
    static constexpr u16 kEnclosure = 252;

    CfgRig() : controller(ControllerId(3, 0), PciIdentity{})
    {
        auto p = std::make_unique<CfgProvider>();
        provider = p.get();
        controller.AddDataProvider(std::move(p));
        manager = std::make_unique<SnapShotRaidManager>(&controller, std::make_unique<RmDataFwi>(&controller),
                                                        std::make_unique<AdapterDataFwi>(&controller));
        provider->Reply(kDcmdCtrlGetInfo, CtrlInfo());
        provider->Reply(kDcmdCtrlGetDefaults, Defaults());
        provider->Reply(kDcmdCfgAdd, {});
        provider->Reply(kDcmdLdDelete, {});
        provider->Reply(kDcmdCfgClear, {});
        provider->Reply(kDriverVdChange, {});
        provider->Reply(kDcmdLdGetList, VdList({}));
        provider->Reply(kDcmdCfgRead, model_test::CfgImage({}, {}, {}));
    }

    void SetDrives(const std::vector<Drive>& drives)
    {
        std::vector<model_test::DevEntry> devices{{kEnclosure, kEnclosure, 0, 13}};
        for (const Drive& d : drives) {
            devices.push_back({d.id, kEnclosure, d.slot});
            provider->Reply(kDcmdPdGetInfo, DriveRecord(d, kEnclosure), d.id);
        }
        provider->Reply(kDcmdPdGetList, model_test::DeviceList(devices));
    }

    void SetCfg(const Bytes& image) { provider->Reply(kDcmdCfgRead, image); }

    PhysicalDevice* Pd(u8 slot) { return manager->GetPdByEnclSlot(EnclSlotId(kEnclosure, slot)); }

    Controller controller;
    CfgProvider* provider = nullptr;
    std::unique_ptr<SnapShotRaidManager> manager;
};

// A span list that owns nothing: the caller keeps the drives' lists alive.
struct Spans {
    std::vector<std::unique_ptr<ArrayList<PhysicalDevice*>>> inner;
    ArrayList<ArrayList<PhysicalDevice*>*> outer;

    void Add(const std::vector<PhysicalDevice*>& drives)
    {
        inner.push_back(std::make_unique<ArrayList<PhysicalDevice*>>());
        for (PhysicalDevice* pd : drives)
            inner.back()->Add(pd);
        outer.Add(inner.back().get());
    }
};

// Parses the line as the tool does and runs the processor on the rig's controller; the status
// (-100 when the line does not parse).
template <typename Processor>
int RunProcessorLine(CfgRig& rig, const std::string& line)
{
    Tokenizer tokenizer;
    EXPECT_EQ(tokenizer.Scan(line.c_str()), 0) << line;
    EXPECT_EQ(Grammar::Check(tokenizer.GetTokens()), 0) << line;
    std::unique_ptr<Parser> parser(ParserFactory::Instance().Create(tokenizer.GetTokens().GetAt(0)->GetId()));
    ParsedObjects parsed = parser ? parser->ParseCommand(&tokenizer.GetTokens()) : nullptr;
    if (parsed == nullptr || parsed->GetCount() == 0) {
        ADD_FAILURE() << line;
        return -100;
    }
    ParsedObject* object = parsed->GetAt(0)->Clone();
    CpController cp(&rig.controller, object, object->GetCommandId());
    Processor processor;
    return processor.Process(&cp, object);
}

}  // namespace cfg_test
