// The base of a processor that runs one parsed-object class. The dispatcher hands every
// processor a ParsedObject; here it is cast to the class once, and anything else (or nothing)
// is reported with message 0x11 ("Adapter #%d: Dynamic cast failed on %s.\n", the adapter of
// the CpController and the processor's text for the class) and fails the command with -1. The
// processor implements ProcessParsed with the object already of its class:
//
//   class PdInfoCp : public TypedProcessor<PdInfoParsedObject, "PdInfoParsedObject *"> {
//   public:
//       int ProcessParsed(CpController* cpController, PdInfoParsedObject* object) override;
//   };
//
// A processor built on another processor base (ConfigurationCp, ...) names it third. A command
// whose description reports the wrong object with another message names that message after the
// text (`CastFailureText("Adapter Boot drive", CommonMsg::kOperationFailed)`); the message takes
// the same two arguments.
#pragma once
#include <algorithm>
#include <cstddef>

#include "CpMgmt/CommandProcessor.h"
#include "cmdtool/ParsedObject.h"
#include "runtime/CommonMessageIds.h"

// A text given as a template argument, and the message that reports a wrong object with it.
template <std::size_t N>
struct CastFailureText {
    constexpr CastFailureText(const char (&text)[N], u32 messageId = CommonMsg::kDynamicCastFailed)
        : message(messageId)
    {
        std::copy_n(text, N, chars);
    }
    char chars[N];
    u32 message;
};

// Prints the message (0x11 unless another is named) for the adapter of the CpController with
// the text.
void ReportParsedObjectCastFailure(CpController* cpController, const char* text,
                                   u32 message = CommonMsg::kDynamicCastFailed);

// The object as the class, or null after the message with the text.
template <typename Po>
Po* ParsedObjectAs(CpController* cpController, ParsedObject* parsedObject, const char* text,
                   u32 message = CommonMsg::kDynamicCastFailed)
{
    auto* object = dynamic_cast<Po*>(parsedObject);
    if (object == nullptr)
        ReportParsedObjectCastFailure(cpController, text, message);
    return object;
}

template <typename Po, CastFailureText Text, typename Base = CommandProcessor>
class TypedProcessor : public Base {
public:
    int Process(CpController* cpController, ParsedObject* parsedObject) override
    {
        Po* object = ParsedObjectAs<Po>(cpController, parsedObject, Text.chars, Text.message);
        return object != nullptr ? ProcessParsed(cpController, object) : -1;
    }

    // The command on one controller with its parsed object (never null); the status.
    virtual int ProcessParsed(CpController* cpController, Po* object) = 0;
};
