#pragma once

#include <QString>
#include <QStringList>

class CCommonUtility;
struct CPELFM_NodeBase;

// The checks of the property dialog's OK, without the dialog: which message a new name or second name
// of a section or part earns, if any.
class PropertyEditLogic {
public:
    PropertyEditLogic(const CCommonUtility& utility, CPELFM_NodeBase* node);

    struct Verdict {
        bool ok = true;
        int messageId = 0;
        QStringList inserts;
        unsigned style = 0;
        bool focusName = false;  // the name field gets the focus with its text selected
    };

    QString OpeningName() const { return m_name; }
    QString OpeningComment() const { return m_comment; }
    QString OpeningLabel2() const { return m_label2; }
    bool IsPart() const { return m_isPart; }

    Verdict Check(const QString& name, const QString& label2) const;
    // Creates and runs the property command; false when nothing could be executed.
    bool Apply(const QString& name, const QString& label2, const QString& comment) const;

private:
    QString LabelRuleInsert(int result, const QString& text) const;

    const CCommonUtility& m_utility;
    CPELFM_NodeBase* m_node;
    CPELFM_NodeBase* m_parent = nullptr;
    bool m_isPart = false;
    QString m_name;
    QString m_comment;
    QString m_label2;
};
