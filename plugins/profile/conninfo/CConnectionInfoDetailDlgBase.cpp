#include "CConnectionInfoDetailDlgBase.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CConnectionInfoWorkSet.h"
#include "CPELFM_PartInfo.h"
#include "ConnectionFieldRules.h"
#include "ConnectionInfoIds.h"
#include "ConnectionLabelCheck.h"
#include "ConnectionPartParameters.h"
#include "IConnectionInfoPresenter.h"
#include "IStringSource.h"
#include "ResourceMessage.h"

namespace {

int Filter(DetailFieldKind kind, QString& text) {
    switch (kind) {
        case DetailFieldKind::Comment:
            return ConnInfo::FilterComment(text);
        case DetailFieldKind::Number:
            return ConnInfo::RemoveNonDigits(text);
        case DetailFieldKind::Hex:
            return ConnInfo::RemoveNonHexDigits(text);
        default:
            return ConnInfo::RemoveControlChars(text);
    }
}

void Normalise(DetailFieldKind kind, QString& text) {
    switch (kind) {
        case DetailFieldKind::Comment:
            ConnInfo::FilterComment(text);
            break;
        case DetailFieldKind::Number:
            text = QString::number(ConnInfo::ToDecimalInt(text));
            ConnInfo::RemoveNonDigits(text);
            break;
        case DetailFieldKind::Hex:
            ConnInfo::RemoveNonHexDigits(text);
            break;
        default:
            ConnInfo::RemoveControlChars(text);
            break;
    }
    text = text.trimmed();
}

QString ControlText(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(control)) return text->toPlainText();
    return QString();
}

int CaretOf(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->cursorPosition();
    if (auto* text = qobject_cast<QPlainTextEdit*>(control)) return text->textCursor().position();
    return 0;
}

void SetCaret(QWidget* control, int position) {
    position = qMax(0, position);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setCursorPosition(position);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
        QTextCursor cursor = text->textCursor();
        cursor.setPosition(qMin(position, static_cast<int>(text->toPlainText().size())));
        text->setTextCursor(cursor);
        text->ensureCursorVisible();
    }
}

// The limit is for typing: a longer value (a stored one) is shown whole until the user shortens it.
void SetControlText(QWidget* control, const QString& value, int maxLength) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        const int limit = qMax(maxLength, static_cast<int>(value.size()));
        if (limit > edit->maxLength()) edit->setMaxLength(limit);
        if (edit->text() != value) edit->setText(value);
        if (limit != edit->maxLength()) edit->setMaxLength(limit);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
        if (text->toPlainText() != value) text->setPlainText(value);
    }
}

}  // namespace

// ---- Collector -------------------------------------------------------------------------------

void CConnectionInfoDetailDlgBase::CConenctionInfoPeloraData::SetHeader(QString* labelRow, QString* label2Row,
                                                                        QString* commentRow) {
    label = labelRow;
    label2 = label2Row;
    comment = commentRow;
}

void CConnectionInfoDetailDlgBase::CConenctionInfoPeloraData::AddRow(const QString& itemLabel, int label2Id,
                                                                     int categoryId, int nameId,
                                                                     int dataTypeId, QString* value) {
    rows.append({itemLabel, label2Id, categoryId, nameId, dataTypeId, value});
}

// ---- Dialog ----------------------------------------------------------------------------------

CConnectionInfoDetailDlgBase::CConnectionInfoDetailDlgBase(int templateId, QWidget* parent,
                                                           const Context& context,
                                                           const QString& protocolType,
                                                           const QString& protocolVersion)
    : QDialog(parent),
      m_context(context),
      m_protocolType(protocolType),
      m_protocolVersion(protocolVersion),
      m_templateId(templateId) {
    setObjectName(QString::number(templateId));
}

void CConnectionInfoDetailDlgBase::BuildCommonControls(int labelId, int commentId) {
    auto* outer = new QVBoxLayout(this);
    m_form = new QGridLayout;
    outer->addLayout(m_form);
    outer->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(ConnInfo::IDC_OK));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("キャンセル"), this);
    cancel->setObjectName(QString::number(ConnInfo::IDC_CANCEL));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &CConnectionInfoDetailDlgBase::accept);
    connect(cancel, &QPushButton::clicked, this, &CConnectionInfoDetailDlgBase::reject);

    m_labelEdit = new QLineEdit(this);
    m_labelEdit->setObjectName(QString::number(labelId));
    m_labelEdit->setMaxLength(ConnInfo::kMaxLabelLength);
    AddToForm("接続ラベル名(&M)", m_labelEdit);
    Bind(m_labelEdit, &m_label, DetailFieldKind::Label, ConnInfo::kMaxLabelLength);

    m_commentEdit = new QPlainTextEdit(this);
    m_commentEdit->setObjectName(QString::number(commentId));
    m_commentEdit->setTabChangesFocus(true);
    m_commentEdit->setFixedHeight(m_commentEdit->fontMetrics().lineSpacing() * 3 + 12);
    AddToForm("コメント(&N)", m_commentEdit);
    Bind(m_commentEdit, &m_comment, DetailFieldKind::Comment, ConnInfo::kMaxCommentLength);
}

void CConnectionInfoDetailDlgBase::AddToForm(const char* caption, QWidget* control, QWidget* extra) {
    const int row = m_form->rowCount();
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setBuddy(control);
    m_form->addWidget(label, row, 0);
    m_form->addWidget(control, row, 1);
    if (extra) m_form->addWidget(extra, row, 2);
}

QLineEdit* CConnectionInfoDetailDlgBase::AddEditRow(const DetailParameterLayout& layout, QString* field,
                                                    const QString& note) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(layout.controlId));
    edit->setMaxLength(layout.maxLength);
    AddToForm(layout.caption, edit, note.isEmpty() ? nullptr : new QLabel(note, this));
    Bind(edit, field, layout.kind, layout.maxLength);
    return edit;
}

QComboBox* CConnectionInfoDetailDlgBase::AddListRow(const DetailParameterLayout& layout) {
    auto* list = new QComboBox(this);
    list->setObjectName(QString::number(layout.controlId));
    AddToForm(layout.caption, list);
    return list;
}

void CConnectionInfoDetailDlgBase::Bind(QWidget* control, QString* field, DetailFieldKind kind,
                                        int maxLength) {
    const int index = static_cast<int>(m_bindings.size());
    m_bindings.append({control, field, kind, maxLength});
    control->installEventFilter(this);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        connect(edit, &QLineEdit::textChanged, this, [this, index] { OnEditChanged(index); });
    else if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        connect(text, &QPlainTextEdit::textChanged, this, [this, index] { OnEditChanged(index); });
}

void CConnectionInfoDetailDlgBase::ReadFields() {
    for (const EditBinding& b : m_bindings) *b.field = ControlText(b.control);
}

void CConnectionInfoDetailDlgBase::WriteFields() {
    for (const EditBinding& b : m_bindings) SetControlText(b.control, *b.field, b.maxLength);
}

void CConnectionInfoDetailDlgBase::OnEditChanged(int binding) {
    if (!m_live || m_inFilter) return;
    m_inFilter = true;
    const EditBinding& b = m_bindings[binding];
    const int caret = CaretOf(b.control);
    // Only typing is limited: a value that was longer already may shrink but not grow.
    const int allowed = qMax(b.maxLength, static_cast<int>(b.field->size()));
    ReadFields();
    int removed = Filter(b.kind, *b.field);
    // The plain-text editor has no length limit of its own: what goes beyond was just typed.
    const int excess = static_cast<int>(b.field->size()) - allowed;
    if (excess > 0) {
        const int from = qBound(0, caret - removed - excess, static_cast<int>(b.field->size()) - excess);
        b.field->remove(from, excess);
        removed += excess;
    }
    WriteFields();
    SetCaret(b.control, caret - removed);
    m_modified = 1;
    m_inFilter = false;
}

void CConnectionInfoDetailDlgBase::OnEditLeft(int binding) {
    ReadFields();
    Normalise(m_bindings[binding].kind, *m_bindings[binding].field);
    WriteFields();
}

bool CConnectionInfoDetailDlgBase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (int i = 0; i < m_bindings.size(); ++i) {
            if (m_bindings[i].control == watched) OnEditLeft(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Order of work ---------------------------------------------------------------------------

void CConnectionInfoDetailDlgBase::InitDialog() {
    const int live = m_live;
    m_live = 0;
    WriteFields();
    InitControls();
    m_live = live;
    m_labelEdit->setFocus();
    m_modified = m_repaired ? 1 : 0;
}

int CConnectionInfoDetailDlgBase::RunForNewConnection() {
    try {
        m_part = nullptr;
        m_collector = CConenctionInfoPeloraData();
        RegisterParameters(m_collector);
        m_live = 0;
        if (SetDefaults() != 0) return ConnInfo::kFailed;
        m_live = 1;
        InitDialog();
        const int end = m_context.presenter->RunModal(*this);
        if (end == QDialog::Rejected) return ConnInfo::kNothing;
        if (end != QDialog::Accepted) return ConnInfo::kFailed;
        // A connection that could not be stored is a failure, not a success without a trace.
        if (StoreFields() != 0) return ConnInfo::kFailed;
        return WriteToPart() == 0 ? ConnInfo::kDone : ConnInfo::kFailed;
    } catch (...) {
        return ConnInfo::kFailed;
    }
}

int CConnectionInfoDetailDlgBase::RunForConnection(CPELFM_PartInfo* part) {
    try {
        m_part = part;
        m_collector = CConenctionInfoPeloraData();
        RegisterParameters(m_collector);
        if (LoadFromPart() != 0) return ConnInfo::kFailed;
        if (RepairLoadedValues() == ConnInfo::kNothing) return ConnInfo::kNothing;
        if (ShowLoadedValues() != 0) return ConnInfo::kFailed;
        m_loadedLabel = GetLabel();
        InitDialog();
        const int end = m_context.presenter->RunModal(*this);
        if (end == QDialog::Rejected) return ConnInfo::kNothing;
        if (end != QDialog::Accepted) return ConnInfo::kFailed;
        if (StoreFields() != 0) return ConnInfo::kFailed;
        if (WriteToPart() == ConnInfo::kFailed) return ConnInfo::kFailed;
        m_context.workSet->MarkChanged(m_part);
        return ConnInfo::kDone;
    } catch (...) {
        return ConnInfo::kFailed;
    }
}

int CConnectionInfoDetailDlgBase::LoadFromPart() {
    if (!m_part) return ConnInfo::kFailed;
    try {
        *m_collector.label = m_part->name.trimmed();
        *m_collector.label2 = m_part->label2.trimmed();
        *m_collector.comment = m_part->comment.trimmed();
        for (const ConnectionParameterRow& row : m_collector.rows)
            *row.value = ConnInfo::GetParameterValue(*m_part, row.itemLabel).trimmed();
    } catch (...) {
        return ConnInfo::kFailed;
    }
    return ConnInfo::kDone;
}

int CConnectionInfoDetailDlgBase::WriteToPart() {
    try {
        QList<ConnectionParameterText> rows;
        for (const ConnectionParameterRow& row : m_collector.rows) {
            rows.append({row.itemLabel, Text(row.label2Id), Text(row.categoryId), Text(row.nameId),
                         Text(row.dataTypeId), *row.value});
        }
        if (!m_part) {
            m_modified = 1;
            return m_context.workSet->CreateConnection(rows, *m_collector.label, *m_collector.label2,
                                                       *m_collector.comment);
        }
        if (!m_modified) return ConnInfo::kNothing;
        const int result =
            m_context.workSet->UpdateConnection(rows, *m_part, *m_collector.label, *m_collector.comment);
        if (result == 0) m_context.workSet->MarkChanged(m_part);
        return result;
    } catch (...) {
        return ConnInfo::kFailed;
    }
}

void CConnectionInfoDetailDlgBase::RegisterCommonRows(IConenctionInfoPeloraData& collector) {
    collector.SetHeader(&m_rowLabel, &m_rowLabel2, &m_rowComment);
    collector.AddRow(QStringLiteral("ProtocolType"), ConnInfo::IDS_PROTOCOL_TYPE_LABEL2,
                     ConnInfo::IDS_COMMON_CATEGORY, ConnInfo::IDS_PROTOCOL_TYPE_NAME,
                     ConnInfo::IDS_TYPE_STRING48, &m_rowProtocolType);
    collector.AddRow(QStringLiteral("ProtocolVersion"), ConnInfo::IDS_PROTOCOL_VERSION_LABEL2,
                     ConnInfo::IDS_COMMON_CATEGORY, ConnInfo::IDS_PROTOCOL_VERSION_NAME,
                     ConnInfo::IDS_TYPE_UINT16, &m_rowProtocolVersion);
}

int CConnectionInfoDetailDlgBase::ShowLoadedHeader() {
    m_label = m_rowLabel;
    if (m_label.size() > ConnInfo::kMaxLabelLength) {
        const int answer = ShowMessageBox(*m_context.presenter, Text(ConnInfo::IDS_LABEL_TOO_LONG_RESET),
                                          QString(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
        if (answer == IDYES) {
            const QString label = MakeDefaultLabel();
            if (label.isEmpty()) return ConnInfo::kFailed;
            m_label = label;
            m_repaired = 1;
        }
    }
    m_comment = m_rowComment;
    return ConnInfo::kDone;
}

void CConnectionInfoDetailDlgBase::StoreHeaderRows() {
    m_rowLabel = m_label;
    if (!m_part) {
        m_rowLabel2.clear();
        m_rowProtocolType = m_protocolType;
        m_rowProtocolVersion = m_protocolVersion;
    }
    m_rowComment = m_comment;
}

int CConnectionInfoDetailDlgBase::ConfirmRepair(const QString& lines, int messageId) {
    if (lines.isEmpty()) return ConnInfo::kDone;
    const int answer =
        ShowMessageBox(*m_context.presenter, FormatResourceMessage(*m_context.strings, {lines}, messageId),
                       QString(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (answer != IDYES) return ConnInfo::kNothing;
    m_repaired = 1;
    return ConnInfo::kDone;
}

bool CConnectionInfoDetailDlgBase::CheckLabelAtOK() {
    const int code =
        ConnInfo::CheckConnectionLabel(m_context.workSet, m_label, GetCheckData(), m_loadedLabel);
    if (code == ConnInfo::kLabelOk) return true;
    ShowInfo(ConnInfo::ConnectionLabelMessageId(code));
    return false;
}

void CConnectionInfoDetailDlgBase::ShowInfo(int messageId, const QStringList& inserts) {
    ShowResourceMessage(*m_context.strings, *m_context.presenter, inserts, messageId, MB_ICONINFORMATION);
}

QString CConnectionInfoDetailDlgBase::Text(int id) const {
    return m_context.strings->LoadString(id);
}

QString CConnectionInfoDetailDlgBase::MakeDefaultLabel() const {
    return m_context.workSet ? m_context.workSet->MakeDefaultLabel() : QString();
}

void CConnectionInfoDetailDlgBase::accept() {
    // Nothing may leave a slot: the event loop cannot carry an exception.
    try {
        OnOK();
    } catch (...) {
        ShowInfo(ConnInfo::IDS_FAILURE);
    }
}

void CConnectionInfoDetailDlgBase::reject() {
    m_label.clear();
    WriteFields();
    m_modified = 0;
    QDialog::reject();
}
