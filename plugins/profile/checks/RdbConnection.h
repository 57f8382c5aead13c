#pragma once
// Which connection a COMM_IF section or a block-memory part belongs to, for the RDB rules.

class CCheckContext;
class CPELFM_ElemInfo;
class CPELFM_PartInfo;
class QString;

namespace Internal {

// The DEVICE_IF part that an element's DATA names; null when it has no DATA or names none.
CPELFM_PartInfo* ReferencedDeviceIf(const CPELFM_ElemInfo* elem);
// The DATA of the connection's "ProtocolType"; false when the element or its value is missing.
bool ProtocolTypeOf(CPELFM_PartInfo* deviceIf, QString& protocolType);

// 0 when a COMM_IF_INFO part of the part's COMM_IF section names a connection whose protocol is not
// RDB; 1 otherwise (also for other sections and wherever the chain breaks).
int IsRdbCommIfSection(const CPELFM_PartInfo* part);
// 1 when a connection configuration refers to the block-memory part and every such configuration
// belongs to an RDB connection.
int IsRdbBlockMemoryPart(CCheckContext& context, const CPELFM_PartInfo* part);

}  // namespace Internal
