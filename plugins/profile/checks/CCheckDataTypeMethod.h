#pragma once
#include "CCheckMethodBase.h"

// DATATYPE values against the data-type vocabulary of the format (40018, 40019, 40020, 40124).
class CCheckDataTypeMethod : public CCheckMethodBase {
public:
    explicit CCheckDataTypeMethod(CCheckContext& context) : CCheckMethodBase(context) {}
    int Check() override;

private:
    int Fail(int messageId);
};
