#pragma once
#include <QDialog>
#include <QString>

class IConnectionInfoPresenter;
class IStringSource;
class QComboBox;
class QRadioButton;

// Asks which protocol, in which version, a new connection uses.
class CConnectionInfoProtocolDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 8166;

    CConnectionInfoProtocolDlg(QWidget* parent, IConnectionInfoPresenter& presenter,
                               const IStringSource& strings);

    // 0 with the two texts, 2 unless the dialog ended with OK, 1 on failure.
    int Run();
    const QString& ProtocolType() const { return m_type; }
    const QString& ProtocolVersion() const { return m_version; }

    void accept() override;

private:
    IConnectionInfoPresenter& m_presenter;
    const IStringSource& m_strings;
    QRadioButton* m_qdtx;
    QRadioButton* m_rdb;
    QRadioButton* m_logCsv;
    QComboBox* m_versions;
    QString m_type;
    QString m_version;
};
