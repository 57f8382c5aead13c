#pragma once
// Base of every check: judges the current target and fills its message when it fails.

#include <QString>

class CCheckContext;
struct CCheckItemInfo;
class CPELFM_ItemInfo;
class CPELFM_ElemInfo;
class CPELFM_PartInfo;
class CPELFM_SectionInfo;

class CCheckMethodBase {
public:
    // Runs the check on a target: the first failure on a target wins, and an exception while judging
    // passes the target silently.
    void Run(CCheckItemInfo* target);

    // 1 = pass, anything else = failure.
    virtual int Check();
    // Writes the message id of the last failure into the current target's message.
    virtual void SetMessageId();

protected:
    explicit CCheckMethodBase(CCheckContext& context) : context_(context) {}
    // Checks live inside their groups and are never deleted through this base.
    ~CCheckMethodBase() = default;
    CCheckMethodBase(const CCheckMethodBase&) = delete;
    CCheckMethodBase& operator=(const CCheckMethodBase&) = delete;

    void AddMessageArgument(const QString& text);
    void SetTargetMessageId(int id);

    CCheckItemInfo* Target() const { return target_; }
    CPELFM_ItemInfo* Item() const;
    CPELFM_ElemInfo* Elem() const;
    CPELFM_PartInfo* Part() const;
    CPELFM_SectionInfo* Section() const;
    int ItemKind() const;
    int PartKind() const;
    int SectionKind() const;

    CCheckContext& context_;

private:
    void ReportCheckFailure();

    CCheckItemInfo* target_ = nullptr;
};
