// Drives pulled from one simulated controller and pushed into slots of another, as an
// administrator moves them: the first controller loses them (their rows go missing, their spare
// entries go, work on them stops), the second finds them with the configuration they carry, as
// one foreign configuration. This is no firmware request: set-ups of tests and demonstrations
// apply it to a model.
#pragma once
#include <string>
#include <vector>

#include "Model.h"

namespace sim {

struct DriveMove {
    u16 deviceId = 0;              // on the controller it leaves
    u16 enclosure = kNoEnclosure;  // where it goes on the other controller
    u8 slot = 0;
};

// Moves the drives of controller `from` to controller `to`. A drive keeps its device id when the
// other controller has no device with it, else takes the lowest free one. The configuration the
// drives carry: every array one of them is a member of (the members left behind missing), every
// virtual drive on those arrays (a span on an array none of them belongs to is a missing span),
// and the spares among them. An empty text when done; else what does not fit (a drive, an
// enclosure, a slot), with the model unchanged.
std::string MoveDrives(SimModel& model, std::size_t from, std::size_t to, const std::vector<DriveMove>& moves);

}  // namespace sim
