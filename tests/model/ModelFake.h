// A controller for model tests: its data provider answers each DCMD from a prepared reply
// (by opcode, and for per-device requests by the device id or target id in the mailbox),
// placing at most the request's transfer length, like the controller library. It counts the
// requests per opcode. Replies are copied into the request buffer, so a reader that goes past
// the transfer length is caught by AddressSanitizer on the caller's own buffer.
#pragma once
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "controller/Controller.h"
#include "fwdata/AdapterDataFwi.h"
#include "fwdata/RmDataFwi.h"
#include "raidmodel/SnapShotRaidManager.h"
#include "support/LeBytes.h"

namespace model_test {

// Per-device opcodes are keyed by mailbox bytes 0-1 (drives) or byte 0 (virtual drives).
inline bool KeyedByDevice(u32 opcode)
{
    return opcode == 0x02020000 || opcode == 0x02060000 || opcode == 0x020A0000;
}
inline bool KeyedByTarget(u32 opcode)
{
    return opcode == 0x03020000 || opcode == 0x03030000 || opcode == 0x03080000 || opcode == 0x030B0000;
}

class ModelProvider : public DataProvider {
public:
    bool Accepts(DpKind) const override { return true; }

    int Execute(DpParams& request) override
    {
        auto* dcmd = dynamic_cast<DcmdFwiDpParams*>(&request);
        if (dcmd == nullptr)
            return -1;
        const u32 opcode = dcmd->GetOpcode();
        ++counts[opcode];
        const u32 key = KeyOf(opcode, dcmd->GetMailbox());
        auto status = statuses.find({opcode, key});
        if (status != statuses.end())
            return status->second;
        const Bytes* bytes = nullptr;
        auto sequence = sequences.find(opcode);
        if (sequence != sequences.end() && !sequence->second.empty()) {
            const std::size_t call = static_cast<std::size_t>(counts[opcode] - 1);
            bytes = &sequence->second[std::min(call, sequence->second.size() - 1)];
        } else {
            auto reply = replies.find({opcode, key});
            if (reply == replies.end())
                return 12;  // nothing there
            bytes = &reply->second;
        }
        const std::size_t n = std::min<std::size_t>(bytes->size(), request.GetTransferLength());
        if (n > 0)
            std::memcpy(request.GetBuffer(), bytes->data(), n);
        return 0;
    }

    static u32 KeyOf(u32 opcode, const u8* mbox)
    {
        if (KeyedByDevice(opcode))
            return LeU16(mbox, 0);
        if (KeyedByTarget(opcode))
            return mbox[0];
        return 0;
    }

    void Reply(u32 opcode, Bytes bytes, u32 key = 0) { replies[{opcode, key}] = std::move(bytes); }
    // Successive calls of the opcode get these replies; the last one stays.
    void ReplySequence(u32 opcode, std::vector<Bytes> bytes) { sequences[opcode] = std::move(bytes); }
    void Fail(u32 opcode, int status, u32 key = 0) { statuses[{opcode, key}] = status; }
    int Count(u32 opcode) const
    {
        auto it = counts.find(opcode);
        return it == counts.end() ? 0 : it->second;
    }
    int Total() const
    {
        int total = 0;
        for (const auto& [opcode, n] : counts)
            total += n;
        return total;
    }

    std::map<std::pair<u32, u32>, Bytes> replies;
    std::map<u32, std::vector<Bytes>> sequences;
    std::map<std::pair<u32, u32>, int> statuses;
    std::map<u32, int> counts;
};

// A controller with the fake provider and a manager over it (not in the process-wide table).
struct ModelRig {
    ModelRig() : controller(ControllerId(7, 0), PciIdentity{})
    {
        auto p = std::make_unique<ModelProvider>();
        provider = p.get();
        controller.AddDataProvider(std::move(p));
        manager = std::make_unique<SnapShotRaidManager>(&controller, std::make_unique<RmDataFwi>(&controller),
                                                        std::make_unique<AdapterDataFwi>(&controller));
    }
    Controller controller;
    ModelProvider* provider = nullptr;
    std::unique_ptr<SnapShotRaidManager> manager;
};

// Block builders.
inline void Put16(Bytes& b, std::size_t off, u16 v) { PutLeU16(b.data(), off, v); }
inline void Put32(Bytes& b, std::size_t off, u32 v) { PutLeU32(b.data(), off, v); }
inline void Put64(Bytes& b, std::size_t off, u64 v) { PutLeU64(b.data(), off, v); }

struct DevEntry {
    u16 deviceId;
    u16 enclId;
    u8 slot;
    u8 scsiType = 0;
};

// The device list: u32 size, u32 count, 24-byte entries.
inline Bytes DeviceList(const std::vector<DevEntry>& devices)
{
    Bytes b(8 + 24 * devices.size(), 0);
    Put32(b, 0, static_cast<u32>(b.size()));
    Put32(b, 4, static_cast<u32>(devices.size()));
    for (std::size_t i = 0; i < devices.size(); ++i) {
        Put16(b, 8 + 24 * i, devices[i].deviceId);
        Put16(b, 8 + 24 * i + 2, devices[i].enclId);
        b[8 + 24 * i + 5] = devices[i].slot;
        b[8 + 24 * i + 6] = devices[i].scsiType;
    }
    return b;
}

// The enclosure list: u32 count, 144-byte entries with the device id first.
inline Bytes EnclosureList(const std::vector<u16>& ids)
{
    Bytes b(8 + 144 * ids.size(), 0);
    Put32(b, 0, static_cast<u32>(ids.size()));
    for (std::size_t i = 0; i < ids.size(); ++i)
        Put16(b, 8 + 144 * i, ids[i]);
    return b;
}

struct ArrayShape {
    u16 ref;
    std::vector<u16> rows;  // 0xFFFF: missing
    u64 blocks = 1000000;
};
struct SpanShape {
    u16 arrayRef;
    u64 start = 0;
    u64 blocks = 1000;
};
struct VdShape {
    u8 targetId;
    u8 level;
    std::vector<SpanShape> spans;
    u8 drivesPerSpan = 2;
    bool sscd = false;
    u16 seq = 1;
};
struct SpareShape {
    u16 deviceId;
    std::vector<u16> arrays;  // empty: global
    bool revertible = false;
    bool affinity = false;
};

// A configuration image with the records of the shapes.
inline Bytes CfgImage(const std::vector<ArrayShape>& arrays, const std::vector<VdShape>& vds,
                      const std::vector<SpareShape>& spares)
{
    Bytes b(32 + 288 * arrays.size() + 256 * vds.size() + 40 * spares.size(), 0);
    Put32(b, 0, static_cast<u32>(b.size()));
    Put16(b, 4, static_cast<u16>(arrays.size()));
    Put16(b, 6, 288);
    Put16(b, 8, static_cast<u16>(vds.size()));
    Put16(b, 10, 256);
    Put16(b, 12, static_cast<u16>(spares.size()));
    Put16(b, 14, 40);
    std::size_t at = 32;
    for (const ArrayShape& a : arrays) {
        Put64(b, at, a.blocks);
        b[at + 8] = static_cast<u8>(a.rows.size());
        Put16(b, at + 10, a.ref);
        for (std::size_t r = 0; r < a.rows.size() && r < 32; ++r)
            Put16(b, at + 32 + 8 * r, a.rows[r]);
        at += 288;
    }
    for (const VdShape& v : vds) {
        b[at] = v.targetId;
        Put16(b, at + 2, v.seq);
        b[at + 32] = v.level;
        b[at + 36] = v.drivesPerSpan;
        b[at + 37] = static_cast<u8>(v.spans.size());
        b[at + 38] = 3;
        b[at + 47] = v.sscd ? 1 : 0;
        for (std::size_t s = 0; s < v.spans.size() && s < 8; ++s) {
            Put64(b, at + 64 + 24 * s, v.spans[s].start);
            Put64(b, at + 64 + 24 * s + 8, v.spans[s].blocks);
            Put16(b, at + 64 + 24 * s + 16, v.spans[s].arrayRef);
        }
        at += 256;
    }
    for (const SpareShape& s : spares) {
        Put16(b, at, s.deviceId);
        b[at + 4] = static_cast<u8>((s.arrays.empty() ? 0 : 1) | (s.revertible ? 2 : 0) | (s.affinity ? 4 : 0));
        b[at + 7] = static_cast<u8>(s.arrays.size());
        for (std::size_t i = 0; i < s.arrays.size() && i < 16; ++i)
            Put16(b, at + 8 + 2 * i, s.arrays[i]);
        at += 40;
    }
    return b;
}

// A drive information record with its device id, enclosure and slot set.
inline Bytes PdRecord(u16 deviceId, u16 enclId, u8 slot)
{
    Bytes b(512, 0);
    Put16(b, 0, deviceId);
    Put16(b, 256, enclId);
    b[259] = slot;
    return b;
}

}  // namespace model_test
