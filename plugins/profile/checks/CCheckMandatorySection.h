#pragma once
// The final check: a profile needs a COMM_IF and a BLOCK section.

class CCheckContext;

class CCheckMandatorySection {
public:
    explicit CCheckMandatorySection(CCheckContext& context) : context_(context) {}
    void CheckMandatorySections();

private:
    CCheckContext& context_;
};
