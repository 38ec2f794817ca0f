// The version command given no object of its class fails quietly: no cast message, no banner,
// no request; with its object it asks the controller's OEM mode once, through the data layer.
#include <gtest/gtest.h>

#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/Opcodes.h"
#include "help/AppVersionCp.h"
#include "model/ModelFake.h"
#include "parsers/AdpCountParsedObject.h"
#include "parsers/AppVersionParsedObject.h"
#include "support/ScreenCapture.h"

namespace {

class AppVersionObjectTest : public ScreenTest {};

TEST_F(AppVersionObjectTest, WithoutItsObjectNothingIsPrintedOrSent)
{
    model_test::ModelRig rig;
    rig.provider->Fail(kDcmdCtrlGetOemData, 12);
    CpController cp(&rig.controller, nullptr, TOKEN_APPVERSION);
    AdpCountParsedObject other(6);
    for (ParsedObject* object : {static_cast<ParsedObject*>(nullptr), static_cast<ParsedObject*>(&other)}) {
        AppVersionCp processor;
        EXPECT_EQ(processor.Process(&cp, object), -1);
        EXPECT_EQ(processor.GetOemMode(), 1);
    }
    EXPECT_EQ(Screen(), "");
    EXPECT_TRUE(rig.provider->counts.empty());
}

TEST_F(AppVersionObjectTest, TheOemModeComesFromTheControllerAndAFailureLeavesTheStandardOne)
{
    model_test::ModelRig rig;
    Bytes oem(24, 0);
    oem[0] = 8;
    rig.provider->Reply(kDcmdCtrlGetOemData, oem);
    CpController cp(&rig.controller, nullptr, TOKEN_APPVERSION);
    AppVersionParsedObject object(TOKEN_APPVERSION, "", 0);
    AppVersionCp processor;
    EXPECT_EQ(processor.Process(&cp, &object), 0);
    EXPECT_EQ(processor.GetOemMode(), 8);
    // The OEM data alone: nothing else is read before it.
    EXPECT_EQ(rig.provider->counts.size(), 1u);
    EXPECT_EQ(rig.provider->counts[kDcmdCtrlGetOemData], 1);

    rig.provider->Fail(kDcmdCtrlGetOemData, 12);
    EXPECT_EQ(processor.Process(&cp, &object), 0);
    EXPECT_EQ(processor.GetOemMode(), 1);

    AppVersionCp withoutController;
    CpController none(nullptr, nullptr, TOKEN_APPVERSION);
    EXPECT_EQ(withoutController.Process(&none, &object), 0);
    EXPECT_EQ(withoutController.GetOemMode(), 1);
}

}  // namespace
