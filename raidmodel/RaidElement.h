// The base of the elements of a controller's object model.
#pragma once

class RaidElement {
public:
    virtual ~RaidElement() = default;
};
