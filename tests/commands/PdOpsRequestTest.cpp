// The requests behind the drive operations, seen by a controller that records every request:
// opcode, mailbox and data, the drive reference they carry, and the drive record read again
// after a change (the controller gives the drive a new sequence number with each change).
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "controller/Controller.h"
#include "fwdata/PdDataFwi.h"
#include "raidmodel/Array.h"
#include "raidmodel/PhysicalDevice.h"
#include "support/LeBytes.h"

namespace {

struct SentRequest {
    u32 opcode;
    Bytes mbox;
    Bytes data;  // what the request carried to the controller
};

// Answers drive records from `records` (by the device id in mailbox bytes 0-1; the record's
// sequence number goes up with every accepted change), other requests with `statuses` (0 when
// not named), and records what it was sent.
class RecordingProvider : public DataProvider {
public:
    bool Accepts(DpKind) const override { return true; }
    int Execute(DpParams& request) override
    {
        auto* dcmd = dynamic_cast<DcmdFwiDpParams*>(&request);
        if (dcmd == nullptr)
            return -1;
        SentRequest sent{dcmd->GetOpcode(), Bytes(dcmd->GetMailbox(), dcmd->GetMailbox() + 12), {}};
        if (request.GetDirection() & kDpToController) {
            const u8* data = static_cast<const u8*>(request.GetBuffer());
            sent.data.assign(data, data + request.GetTransferLength());
        }
        log.push_back(sent);
        auto status = statuses.find(sent.opcode);
        if (status != statuses.end())
            return status->second;
        if (sent.opcode == 0x02020000) {
            auto record = records.find(LeU16(sent.mbox.data(), 0));
            if (record == records.end())
                return 12;
            const std::size_t n = std::min<std::size_t>(512, request.GetTransferLength());
            std::memcpy(request.GetBuffer(), record->second.data(), n);
            return 0;
        }
        // An accepted change: the drives named in mailbox word 0 (and word 1 of a copyback)
        // get a new sequence number.
        for (int word = 0; word < (sent.opcode == 0x020B0100 ? 2 : 1); ++word) {
            auto record = records.find(LeU16(sent.mbox.data(), 4 * word));
            if (record != records.end())
                PutLeU16(record->second.data(), 2, static_cast<u16>(LeU16(record->second.data(), 2) + 1));
        }
        return 0;
    }

    std::vector<u32> Opcodes() const
    {
        std::vector<u32> opcodes;
        for (const SentRequest& s : log)
            opcodes.push_back(s.opcode);
        return opcodes;
    }

    std::map<u16, Bytes> records;
    std::map<u32, int> statuses;
    std::vector<SentRequest> log;
};

Bytes Record(u16 deviceId, u16 seq, u16 state)
{
    Bytes b(512, 0);
    PutLeU16(b.data(), 0, deviceId);
    PutLeU16(b.data(), 2, seq);
    std::memcpy(b.data() + 4 + 16, "HS1200SAS12     ", 16);
    PutLeU16(b.data(), 184, state);
    return b;
}

Bytes Mbox(u32 w0, u32 w1 = 0, u32 w2 = 0)
{
    Bytes b(12, 0);
    PutLeU32(b.data(), 0, w0);
    PutLeU32(b.data(), 4, w1);
    PutLeU32(b.data(), 8, w2);
    return b;
}

class PdOpsRequestTest : public ::testing::Test {
protected:
    PdOpsRequestTest() : controller_(ControllerId(1, 0), PciIdentity{})
    {
        auto provider = std::make_unique<RecordingProvider>();
        fw_ = provider.get();
        controller_.AddDataProvider(std::move(provider));
        fw_->records[20] = Record(20, 7, PhysicalDevice::kStateOnline);
        fw_->records[21] = Record(21, 3, PhysicalDevice::kStateUnconfiguredGood);
    }

    std::unique_ptr<PhysicalDevice> Drive(u16 deviceId)
    {
        PdListEntry entry;
        entry.deviceId = deviceId;
        entry.enclDeviceId = 252;
        entry.slot = static_cast<u8>(deviceId - 20);
        return std::make_unique<PhysicalDevice>(nullptr, std::make_unique<PdDataFwi>(&controller_, entry));
    }

    Controller controller_;
    RecordingProvider* fw_ = nullptr;
};

TEST_F(PdOpsRequestTest, ReferenceRequestsCarryTheDriveReferenceAndTheirChoice)
{
    auto pd = Drive(20);
    struct Case {
        int (PhysicalDevice::*op)();
        u32 opcode;
        u32 word1;
    };
    const Case cases[] = {
        {&PhysicalDevice::MarkMissing, 0x02080100, 0},     {&PhysicalDevice::PrepareForRemoval, 0x02090100, 0},
        {&PhysicalDevice::UndoPrepareForRemoval, 0x02090200, 0}, {&PhysicalDevice::StartRbld, 0x02040100, 0},
        {&PhysicalDevice::StopRbld, 0x02040200, 0},        {&PhysicalDevice::StartClear, 0x02050100, 0},
        {&PhysicalDevice::StopClear, 0x02050200, 0},       {&PhysicalDevice::SuspendRbld, 0x020E0100, 0},
        {&PhysicalDevice::ResumeRbld, 0x020E0100, 1},      {&PhysicalDevice::SuspendCopyBack, 0x020E0200, 0},
        {&PhysicalDevice::ResumeCopyBack, 0x020E0200, 1},  {&PhysicalDevice::StopCopyBack, 0x020B0200, 0},
    };
    u16 seq = 7;
    for (const Case& c : cases) {
        fw_->log.clear();
        EXPECT_EQ(((*pd).*c.op)(), 0);
        // Every change is made with the current reference: the record is read again first.
        ASSERT_EQ(fw_->Opcodes(), (std::vector<u32>{0x02020000, c.opcode})) << std::hex << c.opcode;
        EXPECT_EQ(fw_->log[1].mbox, Mbox(20u | (u32{seq} << 16), c.word1)) << std::hex << c.opcode;
        ++seq;
    }
    // The firmware's status is passed on unchanged.
    fw_->statuses[0x02040100] = 50;
    EXPECT_EQ(pd->StartRbld(), 50);
}

TEST_F(PdOpsRequestTest, SetFwStateAsksOnlyForAChangeAndHidesOtherRefusals)
{
    auto pd = Drive(20);
    // Already online: no request at all.
    EXPECT_EQ(pd->SetFwState(PhysicalDevice::kStateOnline), -1);
    EXPECT_EQ(fw_->Opcodes(), std::vector<u32>{0x02020000});

    fw_->statuses[0x02030100] = 95;
    EXPECT_EQ(pd->SetFwState(PhysicalDevice::kStateUnconfiguredGood), 95);
    fw_->statuses[0x02030100] = 50;
    EXPECT_EQ(pd->SetFwState(PhysicalDevice::kStateUnconfiguredGood), -1);
    EXPECT_EQ(fw_->log.back().mbox, Mbox(20u | (7u << 16), 0x00));

    // Accepted: the new state (and the new sequence number) come from the record read again.
    fw_->statuses.erase(0x02030100);
    const u8* inquiry = nullptr;
    ASSERT_EQ(pd->GetInquiryData(&inquiry), 0);
    fw_->log.clear();
    EXPECT_EQ(pd->SetFwState(PhysicalDevice::kStateOffline), 0);
    EXPECT_EQ(fw_->log.back().mbox, Mbox(20u | (7u << 16), 0x10));
    PutLeU16(fw_->records[20].data(), 184, PhysicalDevice::kStateOffline);
    u16 state = 0;
    u32 ref = 0;
    EXPECT_EQ(pd->GetFwState(&state), 0);
    EXPECT_EQ(state, PhysicalDevice::kStateOffline);
    EXPECT_EQ(pd->GetRef(&ref), 0);
    EXPECT_EQ(ref, 20u | (8u << 16));
    // The inquiry data handed out before stays readable where it was.
    EXPECT_EQ(std::memcmp(inquiry + 16, "HS1200SAS12", 11), 0);
    EXPECT_EQ(fw_->Opcodes(), (std::vector<u32>{0x02030100, 0x02020000}));
}

TEST_F(PdOpsRequestTest, AnUnreadableRecordSendsNothingAndGivesItsStatus)
{
    auto pd = Drive(20);
    fw_->statuses[0x02020000] = 12;
    EXPECT_EQ(pd->SetFwState(PhysicalDevice::kStateOffline), 12);
    EXPECT_EQ(pd->MarkMissing(), 12);
    EXPECT_EQ(pd->StartLocate(0), 12);
    EXPECT_EQ(pd->MakeHsp(nullptr, 1, 0), 12);
    EXPECT_EQ(fw_->Opcodes(), std::vector<u32>(4, 0x02020000));
}

TEST_F(PdOpsRequestTest, LocateNamesTheDeviceIdAndKeepsTheRecord)
{
    auto pd = Drive(20);
    EXPECT_EQ(pd->StartLocate(0x1234), 0);
    EXPECT_EQ(pd->StopLocate(), 0);
    EXPECT_EQ(fw_->Opcodes(), (std::vector<u32>{0x02020000, 0x02070100, 0x02070200}));
    EXPECT_EQ(fw_->log[1].mbox, Mbox(20u | (0x1234u << 16)));
    EXPECT_EQ(fw_->log[2].mbox, Mbox(20));
}

TEST_F(PdOpsRequestTest, CopybackNamesTheTargetFirstAndBothRecordsAreReadAgain)
{
    auto source = Drive(20);
    auto target = Drive(21);
    EXPECT_EQ(source->StartCopyBack(nullptr), -1);
    EXPECT_TRUE(fw_->log.empty());
    EXPECT_EQ(source->StartCopyBack(target.get()), 0);
    ASSERT_EQ(fw_->Opcodes(), (std::vector<u32>{0x02020000, 0x02020000, 0x020B0100}));
    EXPECT_EQ(fw_->log[2].mbox, Mbox(21u | (3u << 16), 20u | (7u << 16)));
    u32 ref = 0;
    EXPECT_EQ(target->GetRef(&ref), 0);
    EXPECT_EQ(ref, 21u | (4u << 16));
    EXPECT_EQ(source->GetRef(&ref), 0);
    EXPECT_EQ(ref, 20u | (8u << 16));
}

TEST_F(PdOpsRequestTest, HotSpareRecordHoldsTheFlagsAndArrayReferences)
{
    auto pd = Drive(21);
    EXPECT_EQ(pd->MakeHsp(nullptr, 1, 0), 0);
    ASSERT_EQ(fw_->log.back().opcode, 0x04040000u);
    Bytes global(40, 0);
    PutLeU16(global.data(), 0, 21);
    PutLeU16(global.data(), 2, 3);
    global[4] = 0x02;
    EXPECT_EQ(fw_->log.back().data, global);
    EXPECT_EQ(fw_->log.back().mbox, Mbox(0));

    std::vector<std::unique_ptr<Array>> arrays;
    ArrayList<Array*> list;
    for (u16 ref : {5, 9}) {
        ArrayData data;
        data.ref = ref;
        arrays.push_back(std::make_unique<Array>(data, static_cast<u8>(arrays.size())));
        list.Add(arrays.back().get());
    }
    EXPECT_EQ(pd->MakeHsp(&list, 0, 1), 0);
    Bytes dedicated(40, 0);
    PutLeU16(dedicated.data(), 0, 21);
    PutLeU16(dedicated.data(), 2, 3);
    dedicated[4] = 0x05;
    dedicated[7] = 2;
    PutLeU16(dedicated.data(), 8, 5);
    PutLeU16(dedicated.data(), 10, 9);
    EXPECT_EQ(fw_->log.back().data, dedicated);

    // The record holds 16 arrays: a longer list is refused before anything is sent.
    while (list.GetCount() < 17)
        list.Add(arrays[0].get());
    fw_->log.clear();
    EXPECT_EQ(pd->MakeHsp(&list, 1, 0), -1);
    EXPECT_TRUE(fw_->log.empty());
}

TEST_F(PdOpsRequestTest, SpinUpSendsAListOfOneDrive)
{
    auto pd = Drive(21);
    EXPECT_EQ(pd->SpinUp(), 0);
    ASSERT_EQ(fw_->log.back().opcode, 0x020D0200u);
    Bytes list(12, 0);
    PutLeU32(list.data(), 0, 12);
    PutLeU32(list.data(), 4, 1);
    PutLeU16(list.data(), 10, 21);
    EXPECT_EQ(fw_->log.back().data, list);
}

}  // namespace
