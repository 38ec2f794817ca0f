// The image file reader of the flash command: the search grid, the component walk and its
// bounds, the fields of a header, and the version comparison.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CpMgmt/CmdPro/AdFlshCp.h"
#include "runtime/FileIO.h"
#include "runtime/RuntimeTestDir.h"
#include "support/FwImageBuilder.h"

namespace {

using fwimage::Header;
using fwimage::Image;

class FlashImageReaderTest : public runtime_test::InTempDir {
protected:
    // Collects the headers of the image with the FW type; the types found, in order, or "invalid".
    std::string Collect(const Image& image, u8 fwType = 0)
    {
        EXPECT_TRUE(image.WriteTo("image.rom"));
        FlashImageReader reader;
        reader.SetFwType(fwType);
        const s32 size = FlashImageReader::GetImageSize("image.rom");
        ImageFile file(GetFileIO()->Open("image.rom", "rb"));
        if (reader.CollectFlashHeaders(file.Get(), size) != 0)
            return "invalid";
        std::string types;
        for (unsigned i = 0; i < reader.GetHeaders()->GetCount(); ++i) {
            const _FLASH_HDR* h = reader.GetHeaders()->GetAt(static_cast<u8>(i));
            types += std::string(reinterpret_cast<const char*>(h->bytes + 16), 4) + "@" + h->Version().GetCStr() + ";";
        }
        return types;
    }
};

Header Component(const std::string& type, std::uint32_t length, const std::string& version = "1.0")
{
    Header h;
    h.type = type;
    h.length = length;
    h.version = version;
    return h;
}

TEST_F(FlashImageReaderTest, HeadersAreFoundOnTheProbeGridComponentByComponent)
{
    // Probe 32 of the first step; a later probe of the same step is not looked at.
    EXPECT_EQ(Collect(Image(0x10000).Put(32, Component("APP ", 0x10000, "a")).Put(8224, Component("BIOS", 0x10000))),
              "APP @a;");
    // The next search starts at the previous start plus the component length, wherever the
    // header was; a signature inside a component is not a header.
    Image two(0x60000);
    two.Put(0x2020, Component("BIOS", 0x40000, "b"))
        .Put(0x30000, Component("CTLR", 0x10000))
        .Put(0x40000 + 0xFF80, Component("APP ", 0x20000, "c"));
    EXPECT_EQ(Collect(two), "BIOS@b;APP @c;");
    // Bytes after the last component that hold no header are not a component.
    EXPECT_EQ(Collect(Image(0x20000).Put(0, Component("APP ", 0x10000))), "APP @1.0;");
    // A later component whose length reaches past the end (here: wraps 32 bits) spoils the image.
    EXPECT_EQ(Collect(Image(0x20000).Put(0, Component("APP ", 0x10000)).Put(0x10000, Component("BIOS", 0xFFFFFFFF))),
              "invalid");
    // A code that is not a board signature is no header.
    Header unknown = Component("APP ", 0x10000);
    unknown.signature = "ZZ99";
    EXPECT_EQ(Collect(Image(0x10000).Put(0, unknown)), "invalid");
}

TEST_F(FlashImageReaderTest, AtMost255Components)
{
    auto packed = [](unsigned count) {
        Image image(count * fwimage::kHeaderSize);
        for (unsigned i = 0; i < count; ++i)
            image.Put(i * fwimage::kHeaderSize, Component("BIOS", fwimage::kHeaderSize, ""));
        return image;
    };
    EXPECT_NE(Collect(packed(255), 1), "invalid");
    EXPECT_EQ(Collect(packed(256), 1), "invalid");
}

// The header of a one-component image, as the reader copies it.
_FLASH_HDR HeaderOf(const Header& fields)
{
    const std::string bytes = Image(fwimage::kHeaderSize).Put(0, fields).Bytes();
    _FLASH_HDR header;
    std::memcpy(header.bytes, bytes.data(), sizeof header.bytes);
    return header;
}

std::string Package(Header fields)
{
    fields.length = 0x10000;
    string value;
    return HeaderOf(fields).PackageVersion(&value) ? std::string("[") + value.GetCStr() + "]" : "none";
}

Header WithBlock(std::vector<std::string> entries)
{
    Header h;
    h.keyValues = std::move(entries);
    return h;
}

TEST(FlashHeaderFields, PackageVersionLookup)
{
    EXPECT_EQ(Package(WithBlock({"BUILD=7", "PACKAGE=2.130.403-2014"})), "[2.130.403-2014]");
    EXPECT_EQ(Package(WithBlock({"PACKAGEX=1"})), "none");
    EXPECT_EQ(Package(WithBlock({"PACKAGE="})), "[]");
    EXPECT_EQ(Package(WithBlock({"", "PACKAGE=1"})), "none");  // an empty first string ends the block
    Header shortBlock = WithBlock({"A=1", "PACKAGE=9"});
    shortBlock.blockLengthGiven = true;
    shortBlock.blockLength = 1;  // the second string begins past the block
    EXPECT_EQ(Package(shortBlock), "none");

    Header atLength = WithBlock({"PACKAGE=1"});
    atLength.length = 200;  // the block offset equals the component length
    string value;
    EXPECT_FALSE(HeaderOf(atLength).PackageVersion(&value));

    // A block or a text that would leave the header is absent.
    Header outside = WithBlock({"PACKAGE=1"});
    outside.blockOffset = 1082;
    EXPECT_EQ(Package(outside), "none");
    _FLASH_HDR unterminated = HeaderOf(WithBlock({"PACKAGE=1"}));
    std::memset(unterminated.bytes + 204, 'x', sizeof unterminated.bytes - 204);
    std::memcpy(unterminated.bytes + 24, "\x00\x00\x01\x00", 4);
    EXPECT_FALSE(unterminated.PackageVersion(&value));
}

TEST(FlashHeaderFields, VersionTextMustLieInsideTheHeader)
{
    Header h;
    h.version = "3.1.0";
    EXPECT_STREQ(HeaderOf(h).Version().GetCStr(), "3.1.0");
    h.versionOffset = 1084;
    EXPECT_STREQ(HeaderOf(h).Version().GetCStr(), "");
    _FLASH_HDR full = HeaderOf(Header{});
    std::memset(full.bytes + 100, '7', sizeof full.bytes - 100);
    EXPECT_STREQ(full.Version().GetCStr(), "");
}

TEST(CompareVersions, NumericFieldsSeparatedByAnyOtherCharacter)
{
    EXPECT_LT(AdpFwFlashCp::CompareVersions("1.2", "1.2.3"), 0);
    EXPECT_GT(AdpFwFlashCp::CompareVersions("1.2.3", "1.2"), 0);
    EXPECT_GT(AdpFwFlashCp::CompareVersions("12.0", "9.0"), 0);
    EXPECT_EQ(AdpFwFlashCp::CompareVersions("2.0-1", "2.0.1"), 0);
    EXPECT_LT(AdpFwFlashCp::CompareVersions("1.5", "1A6"), 0);
    EXPECT_EQ(AdpFwFlashCp::CompareVersions("65537", "1"), 0);
    EXPECT_GT(AdpFwFlashCp::CompareVersions("2.130.403-2014", "2.130.393-1916"), 0);
    EXPECT_EQ(AdpFwFlashCp::CompareVersions("", ""), 0);
    // Only the first 127 characters take part.
    const std::string common(127, '1');
    EXPECT_EQ(AdpFwFlashCp::CompareVersions((common + ".9").c_str(), (common + ".1").c_str()), 0);
}

}  // namespace
