#pragma once

// Opens the dialogs that offer the nodes related to a new one; tests replace it so none blocks.
class IRelatedNodeDialogs {
public:
    virtual ~IRelatedNodeDialogs() = default;

    virtual void RelateParts(int createdPartType) = 0;
    virtual void RelateSection(int createdSectionType) = 0;
};
