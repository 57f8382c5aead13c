#pragma once
#include "MapStringSource.h"

// The texts the tree reads: element labels of the header values, brackets, tooltips and the delete question.
inline const MapStringSource& TreeTestStrings() {
    static const MapStringSource strings{
        {117, "section"},
        {118, "part"},
        {10033, "Delete the %1!s! %2!s!?"},
        {62029, "DeviceModel"},
        {62032, "DisplayVersionValue"},
        {62033, "("},
        {62034, ")"},
        {62035, "Version"},
        {62036, "Language"},
        {62041, " ["},
        {62042, "]"},
        {62062, "Part"},
        {62063, "Section"},
        {62068, "ExtDeviceInfo"},
        {62079, "%1!s!: %2!s! / %3!s! / %4!s!"},
        {62086, "%1!s!: %2!s! / %3!s! / %4!s! / %5!s!"},
    };
    return strings;
}
