#pragma once

// What the new-profile dialog asks of the application around it.
class INewProfileHost {
public:
    virtual ~INewProfileHost() = default;

    // Clears tree, grid, output list and undo history and closes the open profile.
    virtual void CloseCurrentFile() = 0;
    // The service object holds the new profile: rebuild the tree and note that it is not saved yet.
    virtual void ShowNewProfile() = 0;
};
