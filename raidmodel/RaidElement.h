// The base of the elements of a controller's object model, and the base of their ids.
#pragma once
#include "ZepUtil/CppStr/apstring.h"

// The id of an element (a virtual drive's target id and sequence number, ...).
class ElementId {
public:
    virtual ~ElementId() = default;
};

class RaidElement {
public:
    virtual ~RaidElement() = default;
    // The element's information text.
    virtual string ToString() { return string(); }
    // The element's id object, owned by the element; null for elements without one.
    virtual const ElementId* GetId() const { return nullptr; }
};
