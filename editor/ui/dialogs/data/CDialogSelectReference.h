#pragma once

#include <QDialog>
#include <memory>

class CCommonUtility;
class CPELFM_ItemInfo;
class IReferenceTargets;
class QListWidget;
class QPushButton;
class ReferenceCollector;

// Lists the references one item holds so the user can jump to the target of one of them.
class CDialogSelectReference : public QDialog {
    Q_OBJECT
public:
    CDialogSelectReference(const CCommonUtility& utility, IReferenceTargets& targets, CPELFM_ItemInfo* item,
                           QWidget* parent = nullptr);
    ~CDialogSelectReference() override;

    QListWidget* ReferenceList() const { return m_list; }
    QPushButton* OkButton() const { return m_ok; }

public slots:
    void accept() override;

private:
    IReferenceTargets& m_targets;
    std::unique_ptr<ReferenceCollector> m_references;
    QListWidget* m_list = nullptr;
    QPushButton* m_ok = nullptr;
};
