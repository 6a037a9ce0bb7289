#pragma once

// Root of the plain objects that lists carry by reference. A list that is told to free its
// objects frees them through this base, so every such object has a virtual destructor.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject() = default;
};
