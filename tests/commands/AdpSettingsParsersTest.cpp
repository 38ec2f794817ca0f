// The parsers of the adapter settings commands of this family (diagnostic, cache flush,
// shutdown, factory defaults, time, PHY link speed, settings files, event capture): command
// lines parsed as the tool does.
#include <gtest/gtest.h>

#include <string>

#include "cmdtool/TokenIds.h"
#include "parsers/AdAECPo.h"
#include "parsers/AdpDiagParsedObject.h"
#include "parsers/AdpOneShotParsedObjects.h"
#include "parsers/AdpPhySetLinkSpeedParsedObject.h"
#include "parsers/AdpSettingsPo.h"
#include "parsers/AdpTimeParsedObject.h"
#include "support/ParseLine.h"
#include "support/ScreenCapture.h"

namespace {

using AdpSettingsParsersTest = ScreenTest;

TEST_F(AdpSettingsParsersTest, DiagnosticDurationAndOneShotCommands)
{
    ParsedObjects parsed = ParseLine("-AdpDiag -a0");
    ASSERT_NE(FirstParsed<AdpDiagParsedObject>(parsed), nullptr);
    EXPECT_EQ(FirstParsed<AdpDiagParsedObject>(parsed)->GetSeconds(), 20u);
    parsed = ParseLine("-AdpDiag 181 -aALL");
    ASSERT_NE(FirstParsed<AdpDiagParsedObject>(parsed), nullptr);
    EXPECT_EQ(FirstParsed<AdpDiagParsedObject>(parsed)->GetSeconds(), 181u);
    EXPECT_EQ(FirstParsed<AdpDiagParsedObject>(parsed)->GetAdapterNumber(), ParsedObject::kAllAdapters);
    EXPECT_FALSE(ParseLine("-AdpDiag 20 30 -a0"));

    parsed = ParseLine("-AdpCacheFlush -a0,1");
    ASSERT_NE(FirstParsed<AdpCacheFlushParsedObject>(parsed), nullptr);
    EXPECT_EQ(parsed->GetCount(), 2);
    EXPECT_EQ(parsed->GetAt(0)->GetCommandId(), TOKEN_ADPCACHEFLUSH);
    EXPECT_NE(FirstParsed<AdpShutDownParsedObject>(ParseLine("-AdpShutDown -a0")), nullptr);
    EXPECT_EQ(FirstParsed<AdpCacheFlushParsedObject>(ParseLine("-AdpShutDown -a0")), nullptr);
    EXPECT_NE(FirstParsed<AdpFacDefSetPo>(ParseLine("-AdpFacDefSet -aALL")), nullptr);
    EXPECT_FALSE(ParseLine("-AdpFacDefSet -Force -a0"));
}

TEST_F(AdpSettingsParsersTest, TimeIsCheckedFullyInEitherOrder)
{
    const auto dateTime = [](const std::string& line, ControllerDateTime* out) {
        ParsedObjects parsed = ParseLine(line);
        auto* object = FirstParsed<AdpTimeParsedObject>(parsed);
        return object != nullptr && object->GetCommandId() == TOKEN_ADPSETTIME && object->GetDateTime(out) == 0;
    };
    ControllerDateTime first, second;
    ASSERT_TRUE(dateTime("-AdpSetTime 20120528 19:00:05 -a0", &first));
    ASSERT_TRUE(dateTime("-AdpSetTime 19:00:05 20120528 -a0", &second));
    for (const ControllerDateTime* t : {&first, &second}) {
        EXPECT_EQ(t->year, 2012);
        EXPECT_EQ(t->month, 5);
        EXPECT_EQ(t->day, 28);
        EXPECT_EQ(t->hour, 19);
        EXPECT_EQ(t->minute, 0);
        EXPECT_EQ(t->second, 5);
    }
    for (const char* good : {"21000229 00:00:00", "20240229 23:59:59", "20120430 1:2:3", "655341231 0:0:0"})
        EXPECT_TRUE(dateTime(std::string("-AdpSetTime ") + good + " -a0", &first)) << good;
    for (const char* bad : {"20230229 0:0:0", "20240230 0:0:0", "20121301 0:0:0", "20120001 0:0:0", "20120100 0:0:0",
                            "20120431 0:0:0", "20120101 24:00:00", "20120101 23:60:00", "20120101 23:59:60",
                            "20120101 20120102", "1:2:3 4:5:6", "20120101", "655351231 0:0:0", "2147483647 0:0:0"})
        EXPECT_FALSE(dateTime(std::string("-AdpSetTime ") + bad + " -a0", &first)) << bad;

    ParsedObjects get = ParseLine("-AdpGetTime -aALL");
    ASSERT_NE(FirstParsed<AdpTimeParsedObject>(get), nullptr);
    EXPECT_EQ(get->GetAt(0)->GetCommandId(), TOKEN_ADPGETTIME);
    EXPECT_EQ(FirstParsed<AdpTimeParsedObject>(get)->GetDateTime(&first), 1);
}

TEST_F(AdpSettingsParsersTest, PhyAndSpeedMustFitTheirBytes)
{
    ParsedObjects parsed = ParseLine("-PhySetLinkSpeed -phy3 -4 -aALL");
    auto* object = FirstParsed<AdpPhySetLinkSpeedParsedObject>(parsed);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetPhy(), 3);
    EXPECT_EQ(object->GetLinkSpeed(), 4);
    // Any code parses; the processor checks it.
    EXPECT_NE(FirstParsed<AdpPhySetLinkSpeedParsedObject>(ParseLine("-PhySetLinkSpeed -phy0 -3 -a0")), nullptr);
    for (const char* bad : {"-PhySetLinkSpeed -phy0 -a0", "-PhySetLinkSpeed -phy256 -4 -a0",
                            "-PhySetLinkSpeed -phy1 -260 -a0", "-PhySetLinkSpeed -4 -a0"})
        EXPECT_FALSE(ParseLine(bad)) << bad;
}

TEST_F(AdpSettingsParsersTest, SettingsFilesNameTheirFile)
{
    ParsedObjects parsed = ParseLine("-AdpSettings -Read -f my.cfg -a0");
    auto* settings = FirstParsed<AdpSettingsPo>(parsed);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->IsWrite(), 0);
    EXPECT_STREQ(settings->GetFileName().GetCStr(), "my.cfg");
    parsed = ParseLine("-AdpSettings -Write -f other.cfg -a0");
    ASSERT_NE(FirstParsed<AdpSettingsPo>(parsed), nullptr);
    EXPECT_EQ(FirstParsed<AdpSettingsPo>(parsed)->IsWrite(), 1);
    EXPECT_FALSE(ParseLine("-AdpSettings -Read -a0"));
    EXPECT_FALSE(ParseLine("-AdpSettings -Read -Write -f x -a0"));

    parsed = ParseLine("-AdpSetVerify -f verify.txt -aALL");
    auto* verify = FirstParsed<AdpSetVerifyPo>(parsed);
    ASSERT_NE(verify, nullptr);
    EXPECT_STREQ(verify->GetFileName().GetCStr(), "verify.txt");
    auto* copy = dynamic_cast<AdpSetVerifyPo*>(verify->Clone());
    EXPECT_STREQ(copy->GetFileName().GetCStr(), "verify.txt");
    delete copy;
}

TEST_F(AdpSettingsParsersTest, EventCaptureTakesOneSubCommand)
{
    const auto parse = [](const std::string& line) {
        ParsedObjects parsed = ParseLine(line);
        auto* object = FirstParsed<AdAECPo>(parsed);
        return std::unique_ptr<AdAECPo>(object != nullptr ? dynamic_cast<AdAECPo*>(object->Clone()) : nullptr);
    };
    auto start = parse("-AdpAEC -start -a0");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->GetOperation(), AdAECPo::kStart);
    EXPECT_EQ(start->GetNumEvents(), 0u);
    EXPECT_EQ(parse("-AdpAEC -start -numEvents 500 -a0")->GetNumEvents(), 500u);
    EXPECT_EQ(parse("-AdpAEC -abort -a0")->GetOperation(), AdAECPo::kStop);
    EXPECT_EQ(parse("-AdpAEC -disable -a0")->GetOperation(), AdAECPo::kDisable);
    EXPECT_EQ(parse("-AdpAEC -show -aALL")->GetOperation(), AdAECPo::kShow);
    EXPECT_EQ(parse("-AdpAEC -captureMode -full -a0")->GetCaptureMode(), AdAECPo::kFull);
    EXPECT_EQ(parse("-AdpAEC -captureMode -continuous -a0")->GetCaptureMode(), AdAECPo::kContinuous);
    auto get = parse("-AdpAEC -get -a0");
    EXPECT_STREQ(get->GetFileName().GetCStr(), "VOVOR.dat");
    EXPECT_STREQ(parse("-AdpAEC -get -f dump.bin -a0")->GetFileName().GetCStr(), "dump.bin");
    auto filter = parse("-AdpAEC -clear 300 -group 255 -a0");
    EXPECT_EQ(filter->GetOperation(), AdAECPo::kClear);
    EXPECT_EQ(filter->GetFilterValue(), 300u);
    EXPECT_EQ(filter->GetGroup(), 255);
    for (const char* bad : {"-AdpAEC -filter 300 -group 258 -a0", "-AdpAEC -filter 300 -a0", "-AdpAEC -start -stop -a0",
                            "-AdpAEC -start 5 -a0", "-AdpAEC -captureMode -a0", "-AdpAEC -a0", "-AdpAEC -get -f -a0"})
        EXPECT_FALSE(parse(bad)) << bad;
}

}  // namespace
