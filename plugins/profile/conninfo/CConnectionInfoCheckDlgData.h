#pragma once

class CProfilePlugin;

// What the label check needs from a detail dialog: the plug-in, whose label rules it applies.
class CConnectionInfoCheckDlgData {
public:
    explicit CConnectionInfoCheckDlgData(CProfilePlugin* plugin) : plugin(plugin) {}
    virtual ~CConnectionInfoCheckDlgData() = default;

    CProfilePlugin* plugin;
};

// One per detail dialog.
class CConnectionInfoCheckLOG_CSVDlgData : public CConnectionInfoCheckDlgData {
public:
    using CConnectionInfoCheckDlgData::CConnectionInfoCheckDlgData;
};

class CConnectionInfoCheckRDBDlgData : public CConnectionInfoCheckDlgData {
public:
    using CConnectionInfoCheckDlgData::CConnectionInfoCheckDlgData;
};

class CConnectionInfoCheckQDTXDlgData : public CConnectionInfoCheckDlgData {
public:
    using CConnectionInfoCheckDlgData::CConnectionInfoCheckDlgData;
};
