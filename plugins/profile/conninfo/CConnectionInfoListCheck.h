#pragma once
#include <QList>

class CPELFM_PartInfo;
class CPELFM_SectionInfo;
class IMessagePresenter;
class IStringSource;

// What the list cannot show: more connections than it holds, and comments longer than the field.
class CConnectionInfoListCheck {
public:
    // 3 with more than 20480 connections; comments over 1024 characters are cut and the user asked
    // whether to go on (2 unless Yes). 0 to go on; cut receives the parts whose comment was cut.
    static int Run(CPELFM_SectionInfo& copy, const IStringSource& strings, IMessagePresenter& presenter,
                   QList<CPELFM_PartInfo*>& cut);
};
