// Implemented by dialog-like toolkit parents (property pages, form views) that read control layouts
// in dialog units while a flag of theirs is set.
#pragma once

class iDialogUnitsParent {
public:
    virtual ~iDialogUnitsParent() = default;
    virtual bool UsesDialogUnits() const = 0;
};
