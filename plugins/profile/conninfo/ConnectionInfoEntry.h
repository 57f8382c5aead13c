#pragma once
#include <QList>

class CPELFM_PartInfo;
class CPELFM_ProfileInfo;
class CProfilePlugin;
class IConnectionInfoPresenter;
class QWidget;

namespace ConnInfo {

// EditConnectionInfo of the plug-in with its messages: 0 applied, 1 failure (reported), 2 nothing
// applied, 41020 too many connections (reported).
int EditConnectionInfo(CProfilePlugin& plugin, IConnectionInfoPresenter& presenter, QWidget* parent,
                       CPELFM_ProfileInfo* root, QList<CPELFM_PartInfo*>* removedParts,
                       QList<CPELFM_PartInfo*>* changedParts);

// The same with the real windows; 1 at once in a host without a widget application, where no
// window can be shown.
int RunConnectionInfoEditor(CProfilePlugin& plugin, QWidget* parent, CPELFM_ProfileInfo* root,
                            QList<CPELFM_PartInfo*>* removedParts, QList<CPELFM_PartInfo*>* changedParts);

}  // namespace ConnInfo
