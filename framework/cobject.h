#pragma once

// Root of the framework's class tree. Objects that own an operating-system
// resource derive from it and are never copied.
class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    virtual ~CObject() = default;
};
