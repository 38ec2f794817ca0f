// The bounded byte reader and writer: little-endian fields inside the bytes, nothing outside
// them, and a fault mark that stays once an access did not fit.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ZepUtil/ByteView.h"

namespace {

TEST(ByteView, ReadsLittleEndianFieldsAndBitsInsideTheBytes)
{
    const u8 bytes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x88, 0xA5};
    const ByteView view(bytes);
    EXPECT_EQ(view.Size(), sizeof bytes);
    EXPECT_EQ(view.U8(7), 0x88);
    EXPECT_EQ(view.U16(0), 0x0201);
    EXPECT_EQ(view.U32(1), 0x05040302u);
    EXPECT_EQ(view.U64(0), 0x8807060504030201ull);
    EXPECT_TRUE(view.Bit(8, 0));
    EXPECT_FALSE(view.Bit(8, 1));
    EXPECT_TRUE(view.Bit(BitField{8, 7}));
    EXPECT_TRUE(view.Ok());
}

TEST(ByteView, AReadThatDoesNotFitGivesZeroAndTheMarkStays)
{
    const std::vector<u8> bytes(6, 0xFF);
    const ByteView view(bytes);
    EXPECT_EQ(view.U32(2), 0xFFFFFFFFu);  // the last four bytes fit
    EXPECT_TRUE(view.Ok());
    EXPECT_EQ(view.U32(3), 0u);           // one byte past the end
    EXPECT_FALSE(view.Ok());
    EXPECT_EQ(view.U8(0), 0xFF);          // later reads still work, the mark stays
    EXPECT_FALSE(view.Ok());

    // An offset so large that offset + width wraps around is outside too.
    const ByteView other(bytes);
    EXPECT_EQ(other.U16(SIZE_MAX), 0);
    EXPECT_EQ(other.U64(SIZE_MAX - 3), 0u);
    EXPECT_FALSE(other.Ok());

    // A view of nothing holds nothing, whatever size it was given.
    const ByteView none(nullptr, 100);
    EXPECT_EQ(none.Size(), 0u);
    EXPECT_EQ(none.U8(0), 0);
    EXPECT_FALSE(none.Ok());
}

TEST(ByteView, TextFieldsEndAtTheirNulOrTheirWidth)
{
    const u8 bytes[] = {'A', 'B', 0, 'C', 'D', 'E', 'F', 'G'};
    const ByteView view(bytes);
    EXPECT_EQ(view.Text(0, 8), "AB");
    EXPECT_EQ(view.Text(TextField{3, 4}), "CDEF");
    EXPECT_EQ(view.Text(3, 5), "CDEFG");  // no NUL: the whole width
    EXPECT_EQ(view.Text(8, 0), "");
    EXPECT_TRUE(view.Ok());
    EXPECT_EQ(view.Text(5, 4), "");       // runs past the end
    EXPECT_FALSE(view.Ok());

    const ByteView names(bytes);
    EXPECT_TRUE(names.Holds(3, "CD"));
    EXPECT_FALSE(names.Holds(3, "CE"));
    EXPECT_TRUE(names.Ok());
    EXPECT_FALSE(names.Holds(6, "GHI"));
    EXPECT_FALSE(names.Ok());
}

TEST(ByteView, ARecordInsideABlockCountsItsOffsetsFromItsStart)
{
    std::vector<u8> bytes(16, 0);
    bytes[8] = 0x34;
    bytes[9] = 0x12;
    const ByteView block(bytes);
    const ByteView record = block.Sub(8, 4);
    EXPECT_EQ(record.Size(), 4u);
    EXPECT_EQ(record.U16(0), 0x1234);
    EXPECT_EQ(record.U16(3), 0);  // inside the block, outside the record
    EXPECT_FALSE(record.Ok());
    EXPECT_TRUE(block.Ok());
    EXPECT_EQ(block.From(12).Size(), 4u);

    // A record that does not fit is empty, and both views are marked.
    const ByteView beyond = block.Sub(14, 4);
    EXPECT_EQ(beyond.Size(), 0u);
    EXPECT_EQ(beyond.U8(0), 0);
    EXPECT_FALSE(beyond.Ok());
    EXPECT_FALSE(block.Ok());
    EXPECT_FALSE(ByteView(bytes).From(17).Ok());
}

TEST(ByteWriter, WritesInsideTheBytesAndDropsWhatDoesNotFit)
{
    std::vector<u8> bytes(8, 0xEE);
    ByteWriter writer(bytes);
    writer.PutU16(0, 0x1234);
    writer.PutU32(2, 0xA1B2C3D4);
    EXPECT_TRUE(writer.Ok());
    EXPECT_EQ(bytes, (std::vector<u8>{0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 0xEE, 0xEE}));

    writer.PutU32(6, 0);  // two bytes past the end: nothing is written
    writer.PutU64(SIZE_MAX, 0);
    EXPECT_FALSE(writer.Ok());
    EXPECT_EQ(bytes[6], 0xEE);
    EXPECT_EQ(bytes[7], 0xEE);

    ByteWriter bits(bytes);
    bits.PutBit(BitField{7, 0}, false);
    bits.PutBit(BitField{6, 4}, false);
    EXPECT_EQ(bytes[7], 0xEE);
    EXPECT_EQ(bytes[6], 0xEE & ~0x10);
    bits.PutBit(BitField{6, 0}, true);
    EXPECT_EQ(bytes[6], 0xEF & ~0x10);
    EXPECT_TRUE(bits.Ok());
}

TEST(ByteWriter, TextsAreCutAndPaddedToTheirFieldAndRecordsWriteInsideTheirBlock)
{
    std::vector<u8> bytes(8, 0xEE);
    ByteWriter writer(bytes);
    writer.PutText(0, 3, "ABCDEF");
    writer.PutText(3, 3, "Z");
    EXPECT_EQ(bytes, (std::vector<u8>{'A', 'B', 'C', 'Z', 0, 0, 0xEE, 0xEE}));
    EXPECT_TRUE(writer.Ok());

    ByteWriter record = writer.Sub(6, 2);
    record.PutU16(0, 0x0102);
    record.PutU8(2, 9);  // outside the record
    EXPECT_FALSE(record.Ok());
    EXPECT_EQ(bytes[6], 0x02);
    EXPECT_EQ(bytes[7], 0x01);
    EXPECT_EQ(writer.View().U16(6), 0x0102);

    const u8 source[] = {1, 2, 3};
    writer.PutBytes(6, source, sizeof source);  // one byte too many: nothing is copied
    EXPECT_FALSE(writer.Ok());
    EXPECT_EQ(bytes[6], 0x02);
}

}  // namespace
