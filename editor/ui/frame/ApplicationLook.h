#pragma once

// The looks of commands 210 to 218 as Qt styles and palettes.
namespace ApplicationLook {

bool IsLookCommand(int id);
// The style name used for the look ("Windows" or "Fusion").
const char* StyleName(int id);
// Sets the application's style and palette; an id outside 210-218 changes nothing.
void Apply(int id);

}  // namespace ApplicationLook
