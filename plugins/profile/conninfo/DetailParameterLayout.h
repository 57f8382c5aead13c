#pragma once

// How a detail dialog field filters what is typed and normalises what is left.
enum class DetailFieldKind {
    Label,    // control characters removed
    Comment,  // the comment filter
    Text,     // control characters removed
    Number,   // digits only; "%d" when left
    Hex,      // upper-case hexadecimal digits only
    List,     // a drop-down list
};

// One parameter of a detail dialog: its control, caption, field and the row it is stored in.
struct DetailParameterLayout {
    int controlId;
    const char* caption;  // UTF-8, with the accelerator
    int maxLength;        // characters; 0 for a list
    DetailFieldKind kind;
    const char* itemLabel;
    int label2Id;
    int nameId;
    int dataTypeId;
    int lineId;  // the line of the reset question
};
