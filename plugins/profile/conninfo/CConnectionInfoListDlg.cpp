#include "CConnectionInfoListDlg.h"

#include <QGroupBox>
#include <QPushButton>
#include <QResizeEvent>
#include <stdexcept>

#include "CConnectionInfoSession.h"
#include "CConnectionInfoWorkSet.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CVsflexgridn2.h"
#include "ConnectionInfoIds.h"
#include "ConnectionPartParameters.h"
#include "IConnectionInfoPresenter.h"
#include "IStringSource.h"
#include "ResourceMessage.h"

namespace {

using namespace ConnInfo;

constexpr int kMinWidth = 600, kMinHeight = 190;
constexpr int kStartWidth = 600, kStartHeight = 345;
constexpr int kButtonWidth = 85, kButtonHeight = 25;

struct Column {
    int headerId;  // 0: none
    int twips;
};
constexpr Column kColumnSpecs[CConnectionInfoListDlg::kColumns] = {
    {0, 600},
    {IDS_HEADER_LABEL, 1500},
    {IDS_HEADER_COMMENT, 1000},
    {IDS_HEADER_PROTOCOL_TYPE, 1700},
    {IDS_HEADER_PROTOCOL_VERSION, 2000},
    {IDS_HEADER_DETAIL, 800},
};

QPushButton* MakeButton(QWidget* parent, int id, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    button->resize(kButtonWidth, kButtonHeight);
    return button;
}

// The first value of an element's DATA item, or false when the element or the value is missing.
bool ReadProtocolValue(CPELFM_PartInfo& part, const QString& label, QString& value) {
    CPELFM_ElemInfo* elem = part.FindElemByLabel(label);
    if (!elem) return false;
    const int index = elem->FindItemIndex(DATA);
    if (index < 0 || elem->items[index]->values.isEmpty()) return false;
    value = elem->items[index]->values.first().text;
    return true;
}

}  // namespace

CConnectionInfoListDlg::CConnectionInfoListDlg(QWidget* parent, CConnectionInfoSession& session)
    : QDialog(parent), m_session(session), m_workSet(session.WorkSet()) {
    setObjectName(QString::number(kTemplateId));
    setWindowTitle(QString::fromUtf8("接続情報設定"));
    setMinimumSize(kMinWidth, kMinHeight);

    m_frame = new QGroupBox(QString::fromUtf8("接続情報"), this);
    m_frame->setObjectName(QString::number(IDC_LIST_FRAME));
    m_frame->setGeometry(9, 9, kStartWidth - 18, kStartHeight - 49);
    m_grid = new CVsflexgridn2(this);
    m_grid->setObjectName(QString::number(IDC_LIST_GRID));
    m_grid->setGeometry(18, 30, kStartWidth - 36, kStartHeight - 115);
    m_add = MakeButton(this, IDC_LIST_ADD, QString::fromUtf8("追加(&A)"));
    m_delete = MakeButton(this, IDC_LIST_DELETE, QString::fromUtf8("削除(&D)"));
    m_ok = MakeButton(this, IDC_OK, QStringLiteral("OK"));
    m_cancel = MakeButton(this, IDC_CANCEL, QString::fromUtf8("キャンセル"));
    m_ok->setDefault(true);
    for (QPushButton* b : {m_add, m_delete}) b->setAutoDefault(false);

    connect(m_add, &QPushButton::clicked, this, &CConnectionInfoListDlg::OnAdd);
    connect(m_delete, &QPushButton::clicked, this, &CConnectionInfoListDlg::DeleteSelected);
    connect(m_ok, &QPushButton::clicked, this, &CConnectionInfoListDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CConnectionInfoListDlg::reject);
    connect(m_grid, &CVsflexgridn2::KeyDown, this, &CConnectionInfoListDlg::OnGridKeyDown);
    connect(m_grid, &CVsflexgridn2::MouseDown, this, &CConnectionInfoListDlg::OnGridMouseDown);
    connect(m_grid, &CVsflexgridn2::DblClick, this, &CConnectionInfoListDlg::OnGridDblClick);
    connect(m_grid, &CVsflexgridn2::CellButtonClick, this, [this] { OpenSelected(); });
}

int CConnectionInfoListDlg::Run() {
    try {
        if (m_workSet.HasChanged()) m_modified = 1;
        InitDialog();
        return m_session.Presenter().RunModal(*this) == QDialog::Accepted ? kDone : kNothing;
    } catch (...) {
        return kFailed;
    }
}

void CConnectionInfoListDlg::InitDialog() {
    m_add->setFocus();
    m_grid->SetCols(kColumns);
    m_grid->SetRows(1);
    const IStringSource& strings = m_session.Strings();
    for (int c = 0; c < kColumns; ++c) {
        if (kColumnSpecs[c].headerId)
            m_grid->SetTextMatrix(0, c, strings.LoadString(kColumnSpecs[c].headerId));
        m_grid->SetColWidth(c, kColumnSpecs[c].twips);
    }
    m_grid->SetColComboList(kDetailColumn, QStringLiteral("|..."));
    const int count = m_workSet.ConnectionCount();
    if (count > 0) {
        m_grid->SetRows(count + 1);
        m_grid->setFocus();
        if (FillGrid() != 0) throw std::runtime_error("connection list not filled");
        m_grid->Select(1, m_grid->FixedCols(), 1, m_grid->Cols() - 1);
    }
    resize(kStartWidth, kStartHeight);
    LayoutControls();
}

void CConnectionInfoListDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayoutControls();
}

void CConnectionInfoListDlg::LayoutControls() {
    const int w = width(), h = height();
    const QPoint gridAt = m_grid->pos();
    m_grid->setGeometry(gridAt.x(), gridAt.y(), qMax(0, w - 18 - gridAt.x()), qMax(0, h - 85 - gridAt.y()));
    const QPoint frameAt = m_frame->pos();
    m_frame->setGeometry(frameAt.x(), frameAt.y(), qMax(0, w - 9 - frameAt.x()),
                         qMax(0, h - 40 - frameAt.y()));
    m_add->move(27, h - 50 - m_add->height());
    m_delete->move(118, h - 50 - m_delete->height());
    m_ok->move(w - 100 - m_ok->width(), h - 9 - m_ok->height());
    m_cancel->move(w - 9 - m_cancel->width(), h - 9 - m_cancel->height());
}

bool CConnectionInfoListDlg::HasDataRows() const {
    return m_grid->Rows() - m_grid->FixedRows() > 0;
}

void CConnectionInfoListDlg::ShowInfo(int messageId) {
    ShowResourceMessage(m_session.Strings(), m_session.Presenter(), {}, messageId, MB_ICONINFORMATION);
}

int CConnectionInfoListDlg::FillGrid() {
    const int top = m_grid->TopRow();
    m_grid->SetRedraw(false);
    try {
        const QList<CPELFM_PartInfo*> parts = m_workSet.Connections();
        const int count = static_cast<int>(parts.size());
        m_grid->SetRows(count + 1);
        const QString typeLabel = m_session.Strings().LoadString(IDS_PROTOCOL_TYPE);
        const QString versionLabel = m_session.Strings().LoadString(IDS_PROTOCOL_VERSION);
        for (int i = 0; i < count; ++i) {
            CPELFM_PartInfo& part = *parts[i];
            const int row = i + 1;
            m_grid->SetTextMatrix(row, 1, part.name);
            m_grid->SetTextMatrix(row, 2, part.comment);
            m_grid->SetTextMatrix(row, 3, GetParameterValue(part, typeLabel));
            m_grid->SetTextMatrix(row, 4, GetParameterValue(part, versionLabel));
            m_grid->SetTextMatrix(row, 0, QString::number(row));
        }
        m_grid->SetTopRow(count < top ? count : qMax(top, m_grid->FixedRows()));
    } catch (...) {
        m_grid->SetRedraw(true);
        return kFailed;
    }
    m_grid->SetRedraw(true);
    return kDone;
}

void CConnectionInfoListDlg::OnAdd() {
    int result = kFailed;
    try {
        result = m_session.AddConnection(this);
    } catch (...) {
        // Nothing may leave a slot: the event loop cannot carry an exception.
    }
    if (result == kFailed) {
        ShowInfo(IDS_FAILURE);
    } else if (result == kLimitReached) {
        ShowInfo(IDS_ADD_LIMIT);
    } else if (result != kNothing) {
        m_modified = 1;
        if (FillGrid() != 0) ShowInfo(IDS_FAILURE);
    }
}

void CConnectionInfoListDlg::OpenSelected() {
    if (!HasDataRows()) return;
    try {
        int row, col, endRow, endCol;
        m_grid->GetSelection(row, col, endRow, endCol);
        if (row < m_grid->FixedRows()) return;
        CPELFM_PartInfo* part = m_workSet.GetConnectionAt(row - 1);
        if (!part) {
            ShowInfo(IDS_FAILURE);
            return;
        }
        const IStringSource& strings = m_session.Strings();
        QString type, version;
        if (!ReadProtocolValue(*part, strings.LoadString(IDS_PROTOCOL_TYPE), type) ||
            !ReadProtocolValue(*part, strings.LoadString(IDS_PROTOCOL_VERSION), version)) {
            ShowInfo(IDS_UNSUPPORTED_PROTOCOL);
            return;
        }
        int modified = 0;
        const int result = m_session.OpenConnection(this, part, type, version, modified);
        if (result == kFailed) {
            ShowInfo(IDS_FAILURE);
        } else if (result == kUnsupported) {
            ShowInfo(IDS_UNSUPPORTED_PROTOCOL);
        } else if (result == kDone) {
            m_modified |= modified;
            if (FillGrid() != 0) ShowInfo(IDS_FAILURE);
        }
    } catch (...) {
        ShowInfo(IDS_FAILURE);
    }
}

void CConnectionInfoListDlg::DeleteSelected() {
    if (!HasDataRows()) return;
    int row, col, endRow, endCol;
    m_grid->GetSelection(row, col, endRow, endCol);
    // Without a selected row there is nothing the question could be about.
    if (endRow < m_grid->FixedRows()) return;
    const int answer =
        ShowMessageBox(m_session.Presenter(), m_session.Strings().LoadString(IDS_CONFIRM_DELETE), QString(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (answer != IDYES) return;
    int deleted = kFailed;
    try {
        // The rows' own parts: two connections may carry the same label.
        QList<CPELFM_PartInfo*> parts;
        for (int r = qMax(row, m_grid->FixedRows()); r <= endRow; ++r)
            parts.append(m_workSet.GetConnectionAt(r - 1));
        deleted = m_workSet.DeleteConnections(parts);
    } catch (...) {
    }
    if (deleted != 0) {
        ShowInfo(IDS_FAILURE);
        FillGrid();
        return;
    }
    m_modified = 1;
    if (FillGrid() != 0) ShowInfo(IDS_FAILURE);
}

void CConnectionInfoListDlg::SelectAll() {
    if (!HasDataRows()) return;
    try {
        m_grid->Select(m_grid->FixedRows(), m_grid->FixedCols(), m_grid->Rows() - 1, m_grid->Cols() - 1);
    } catch (...) {
        ShowInfo(IDS_FAILURE);
    }
}

void CConnectionInfoListDlg::OnGridKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    modifiers &= ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && key == Qt::Key_A) {
        SelectAll();
    } else if (modifiers == Qt::NoModifier && key == Qt::Key_Delete) {
        DeleteSelected();
    } else if (modifiers == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (m_grid->Col() != kDetailColumn) OpenSelected();
    }
}

void CConnectionInfoListDlg::OnGridMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers /*modifiers*/,
                                             const QPoint& globalPos) {
    m_grid->setFocus();
    const int row = m_grid->MouseRow();
    if (row == 0) SelectAll();
    if (button != Qt::RightButton) return;
    if (row >= m_grid->FixedRows()) {
        int first, col, last, endCol;
        m_grid->GetSelection(first, col, last, endCol);
        if (row < first || row > last) m_grid->Select(row, m_grid->FixedCols(), row, m_grid->Cols() - 1);
    }
    ShowContextMenu(globalPos);
}

void CConnectionInfoListDlg::OnGridDblClick() {
    if (m_grid->MouseRow() > 0 && m_grid->MouseCol() > 0) OpenSelected();
}

void CConnectionInfoListDlg::ShowContextMenu(const QPoint& globalPos) {
    const bool enabled = HasDataRows();
    const int chosen =
        m_session.Presenter().TrackPopupMenu(this,
                                             {{ID_EDIT_CLEAR, QString::fromUtf8("削除(&D)"), enabled},
                                              {ID_EDIT_SELECT_ALL, QString::fromUtf8("全選択(&A)"), enabled}},
                                             globalPos);
    if (chosen == ID_EDIT_CLEAR)
        DeleteSelected();
    else if (chosen == ID_EDIT_SELECT_ALL)
        SelectAll();
}

void CConnectionInfoListDlg::accept() {
    // Without a change OK applies nothing.
    if (m_modified)
        QDialog::accept();
    else
        QDialog::reject();
}

void CConnectionInfoListDlg::reject() {
    if (m_modified) {
        const int answer =
            ShowMessageBox(m_session.Presenter(), m_session.Strings().LoadString(IDS_CONFIRM_DISCARD),
                           QString(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
        if (answer != IDYES) return;
    }
    QDialog::reject();
}
