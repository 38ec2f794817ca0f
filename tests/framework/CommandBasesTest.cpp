// The bases a command is built from: the typed processor's cast and its message, and the
// registrations of processors and parsers by their command ids.
#include <gtest/gtest.h>

#include <memory>

#include "CpMgmt/CmdPro/AdBootDrvCp.h"
#include "CpMgmt/CmdPro/AdCcSchedCp.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/TypedProcessor.h"
#include "cmdtool/ParserFactory.h"
#include "controller/Controller.h"
#include "support/ScreenCapture.h"

namespace {

// Command ids no keyword has.
constexpr u16 kTestCmdA = 220;
constexpr u16 kTestCmdB = 221;
constexpr u16 kTestParserA = 222;
constexpr u16 kTestParserB = 223;
constexpr u16 kTestFixedParser = 224;

class WantedObject : public ParsedObject {
public:
    using ParsedObject::ParsedObject;
    ParsedObject* Clone() const override { return new WantedObject(GetCommandId(), GetAdapterNumber()); }
};

class OtherObject : public ParsedObject {
public:
    using ParsedObject::ParsedObject;
    ParsedObject* Clone() const override { return new OtherObject(GetCommandId(), GetAdapterNumber()); }
};

class WantedCp : public TypedProcessor<WantedObject, "WantedObject *..."> {
public:
    int ProcessParsed(CpController*, WantedObject* object) override
    {
        seen = object;
        return 7;
    }
    WantedObject* seen = nullptr;
};

const CpRegistration<WantedCp> kRegisterWantedCp{kTestCmdA, kTestCmdB};

// A parser built with the token it was created for, and one with a fixed command id.
class TokenParser : public Parser {
public:
    explicit TokenParser(u16 commandToken) : Parser(commandToken) {}
    ParsedObjects ParseCommand(ArrayList<Token*>*) override { return nullptr; }
};
class FixedParser : public Parser {
public:
    FixedParser() : Parser(kTestCmdA) {}
    ParsedObjects ParseCommand(ArrayList<Token*>*) override { return nullptr; }
};

const ParserFactoryRegistration<TokenParser> kRegisterTokenParser{kTestParserA, kTestParserB};
const ParserFactoryRegistration<FixedParser> kRegisterFixedParser{kTestFixedParser};

class TypedProcessorTest : public ScreenTest {
protected:
    // Runs the processor on adapter 4 with the object.
    int Run(WantedCp& processor, ParsedObject* object)
    {
        CpController cpController(&controller_, object, kTestCmdA);
        return processor.Process(&cpController, cpController.GetParsedObject());
    }

    Controller controller_{ControllerId(9, 4), PciIdentity{}};
};

TEST_F(TypedProcessorTest, TheObjectOfItsClassReachesTheProcessor)
{
    WantedCp processor;
    auto* object = new WantedObject(kTestCmdA, 4);
    EXPECT_EQ(Run(processor, object), 7);
    EXPECT_EQ(processor.seen, object);
    EXPECT_EQ(Screen(), "");
}

TEST_F(TypedProcessorTest, AnyOtherObjectIsReportedWithTheProcessorsText)
{
    WantedCp processor;
    EXPECT_EQ(Run(processor, new OtherObject(kTestCmdA, 4)), -1);
    EXPECT_EQ(Run(processor, nullptr), -1);
    EXPECT_EQ(processor.seen, nullptr);
    EXPECT_EQ(Screen(), "Adapter #4: Dynamic cast failed on WantedObject *....\n"
                        "Adapter #4: Dynamic cast failed on WantedObject *....\n");
}

// The wrong object is reported before the processor asks the controller anything, with the
// message its command names: the boot drive's operation message, the schedule's cast text.
TEST_F(TypedProcessorTest, AProcessorReportsAWrongObjectWithItsOwnMessage)
{
    const auto runOn = [this](CommandProcessor& processor) {
        CpController cpController(&controller_, new OtherObject(kTestCmdA, 4), kTestCmdA);
        return processor.Process(&cpController, cpController.GetParsedObject());
    };
    AdpBootDriveCp bootDrive;
    AdpCCSchedulingCp schedule;
    EXPECT_EQ(runOn(bootDrive), -1);
    EXPECT_EQ(runOn(schedule), -1);
    EXPECT_EQ(Screen(), "Adapter #4: Failed to Perform Adapter Boot drive Operation.\n"
                        "Adapter #4: Dynamic cast failed on AdpCcScParsedObject *.\n");
}

TEST(CommandRegistrationTest, AProcessorServesEveryIdItIsRegisteredFor)
{
    for (u16 id : {kTestCmdA, kTestCmdB}) {
        std::unique_ptr<CommandProcessor> processor = CommandProcessorFactory::Instance().Create(id);
        EXPECT_NE(dynamic_cast<WantedCp*>(processor.get()), nullptr) << id;
    }
    EXPECT_EQ(CommandProcessorFactory::Instance().Create(kTestParserA), nullptr);
}

TEST(CommandRegistrationTest, AParserIsBuiltForTheTokenItWasCreatedFor)
{
    for (u16 token : {kTestParserA, kTestParserB}) {
        std::unique_ptr<Parser> parser = ParserFactory::Instance().Create(token);
        ASSERT_NE(dynamic_cast<TokenParser*>(parser.get()), nullptr) << token;
        EXPECT_EQ(parser->GetCommandId(), token);
    }
    std::unique_ptr<Parser> fixed = ParserFactory::Instance().Create(kTestFixedParser);
    ASSERT_NE(dynamic_cast<FixedParser*>(fixed.get()), nullptr);
    EXPECT_EQ(fixed->GetCommandId(), kTestCmdA);
}

}  // namespace
