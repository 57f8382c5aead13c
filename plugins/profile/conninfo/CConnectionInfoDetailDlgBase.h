#pragma once
#include <QDialog>
#include <QList>
#include <QString>

#include "ConnectionComboBoxMap.h"
#include "ConnectionParameterRow.h"
#include "DetailParameterLayout.h"
#include "IConenctionInfoPeloraData.h"

class CConnectionInfoCheckDlgData;
class CConnectionInfoWorkSet;
class CPELFM_PartInfo;
class CProfilePlugin;
class IConnectionInfoPresenter;
class IStringSource;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The base of the three connection detail dialogs: the order of work for a new and an existing
// connection, reading a part into the dialog's row strings, writing them back into the working copy,
// and the filters of the edit fields.
class CConnectionInfoDetailDlgBase : public QDialog {
    Q_OBJECT
public:
    using ComboBoxMap = ConnectionComboBoxMap;

    // Collects the header and the parameter rows a dialog declares.
    class CConenctionInfoPeloraData : public IConenctionInfoPeloraData {
    public:
        void SetHeader(QString* label, QString* label2, QString* comment) override;
        void AddRow(const QString& itemLabel, int label2Id, int categoryId, int nameId, int dataTypeId,
                    QString* value) override;

        QString* label = nullptr;
        QString* label2 = nullptr;
        QString* comment = nullptr;
        QList<ConnectionParameterRow> rows;
    };

    struct Context {
        CProfilePlugin* plugin;
        CConnectionInfoWorkSet* workSet;
        IConnectionInfoPresenter* presenter;
        const IStringSource* strings;
    };

    CConnectionInfoDetailDlgBase(int templateId, QWidget* parent, const Context& context,
                                 const QString& protocolType, const QString& protocolVersion);

    // 0 stored, 1 failure, 2 cancelled.
    int RunForNewConnection();
    // 0 stored, 1 failure, 2 cancelled or declined; IsModified tells whether anything was typed.
    int RunForConnection(CPELFM_PartInfo* part);

    int IsModified() const { return m_modified; }
    int IsRepaired() const { return m_repaired; }
    const QString& LoadedLabel() const { return m_loadedLabel; }
    int TemplateId() const { return m_templateId; }

    // OK runs the dialog's checks; the dialog ends only when they pass.
    void accept() override;
    // Cancel leaves nothing modified.
    void reject() override;

protected:
    virtual int SetDefaults() = 0;
    virtual int RepairLoadedValues() = 0;
    virtual QString GetLabel() const { return m_label; }
    virtual CConnectionInfoCheckDlgData& GetCheckData() = 0;
    virtual void RegisterParameters(IConenctionInfoPeloraData& collector) = 0;
    virtual int ShowLoadedValues() = 0;
    virtual int StoreFields() = 0;
    virtual int LoadFromPart();
    virtual int WriteToPart();
    // The checks of OK; call EndWithOK when they pass.
    virtual void OnOK() = 0;
    // Controls that the fields alone do not describe (lists), set up before the dialog shows.
    virtual void InitControls() {}

    // ---- Helpers for the dialogs --------------------------------------------------------------
    // Builds the label and comment rows and the buttons; parameters go between them.
    void BuildCommonControls(int labelId, int commentId);
    QLineEdit* AddEditRow(const DetailParameterLayout& layout, QString* field, const QString& note = QString());
    QComboBox* AddListRow(const DetailParameterLayout& layout);
    void AddToForm(const char* caption, QWidget* control, QWidget* extra = nullptr);
    // The header rows and the two protocol rows, in that order.
    void RegisterCommonRows(IConenctionInfoPeloraData& collector);
    // The label part of ShowLoadedValues (with the question for an over-long label) and the comment.
    int ShowLoadedHeader();
    // The label, label2, protocol and comment rows of StoreFields.
    void StoreHeaderRows();
    // Asks the reset question when there are lines; 2 when declined.
    int ConfirmRepair(const QString& lines, int messageId);
    // The label check with its message; true when the label may be used.
    bool CheckLabelAtOK();
    void ShowInfo(int messageId, const QStringList& inserts = {});
    QString Text(int id) const;
    QString MakeDefaultLabel() const;
    void EndWithOK() { QDialog::accept(); }

    // Controls to fields and back.
    void ReadFields();
    void WriteFields();
    void SetModifiedWhileLive() {
        if (m_live) m_modified = 1;
    }

    Context m_context;
    CPELFM_PartInfo* m_part = nullptr;
    QString m_loadedLabel;
    int m_live = 1;
    int m_modified = 0;
    int m_repaired = 0;
    QString m_protocolType;
    QString m_protocolVersion;

    // Fields.
    QString m_label;
    QString m_comment;
    // Row strings of the header and the protocol.
    QString m_rowLabel;
    QString m_rowLabel2;
    QString m_rowComment;
    QString m_rowProtocolType;
    QString m_rowProtocolVersion;

    QLineEdit* m_labelEdit = nullptr;
    QPlainTextEdit* m_commentEdit = nullptr;
    QGridLayout* m_form = nullptr;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct EditBinding {
        QWidget* control;
        QString* field;
        DetailFieldKind kind;
        int maxLength;
    };

    void InitDialog();
    void Bind(QWidget* control, QString* field, DetailFieldKind kind, int maxLength);
    void OnEditChanged(int binding);
    void OnEditLeft(int binding);

    int m_templateId;
    CConenctionInfoPeloraData m_collector;
    QList<EditBinding> m_bindings;
    bool m_inFilter = false;
};
