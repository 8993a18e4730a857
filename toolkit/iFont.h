// A font that is deleted with its object.
#pragma once
#include "CGdiObject.h"

class iFont : public CFont {
public:
    iFont() = default;
    ~iFont() override = default;
};
