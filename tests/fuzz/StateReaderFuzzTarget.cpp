// A fuzz target over the simulated controller's state reader: the input is a state file. It must
// be read to a model or refused with a one-line fault, never anything else; a model read must
// write a state that reads back to the very same state.
#include <cstdlib>
#include <string>

#include "StateReaderFuzz.h"
#include "sim/StateFormat.h"

namespace statefuzz {
namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

}  // namespace

Outcome ReadStateText(std::string text)
{
    Outcome outcome;
    try {
        sim::SimModel model;
        sim::ReadJson(text, [&](const sim::JsonValue& root) { model = sim::ReadState(root); });
        outcome.read = true;
        outcome.text = sim::WriteState(model).dump(2, ' ', false, sim::Json::error_handler_t::replace);
    } catch (const sim::StateError& e) {
        outcome.text = e.what();
    }
    return outcome;
}

int StateReaderFuzzInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 1024 * 1024)
        return 0;
    const Outcome first = ReadStateText(std::string(reinterpret_cast<const char*>(data), size));
    if (!first.read) {
        Check(!first.text.empty() && first.text.find('\n') == std::string::npos);
        return 0;
    }
    const Outcome again = ReadStateText(first.text);
    Check(again.read && again.text == first.text);
    return 0;
}

}  // namespace statefuzz

#ifdef TARNBEK_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return statefuzz::StateReaderFuzzInput(data, size);
}
#endif
