// The suites whose calls the host does not offer yet: each exists under its name and version,
// so modules acquire them, and each call answers kSPUnimplementedError (or a zeroed value).
#include "ADMDialog.h"
#include "ADMEntry.h"
#include "ADMItem.h"
#include "ADMList.h"
#include "AIArtStyle.h"
#include "AIDocumentView.h"
#include "AIHitTest.h"
#include "AIMesh.h"
#include "AISymbol.h"
#include "all_suites.h"
#include "pica/suite_entry.h"
#include "pica/suite_registry.h"

namespace qv::host {

namespace {

const AIDocumentViewSuite kAIDocumentViewPending = {
    .GetDocumentViewZoom =
        QV_PENDING(kAIDocumentViewSuite, AIDocumentViewSuite, GetDocumentViewZoom),
};

const AISymbolSuite kAISymbolPending = {
    .CountSymbolPatterns = QV_PENDING(kAISymbolSuite, AISymbolSuite, CountSymbolPatterns),
};

const AIMeshSuite kAIMeshPending = {
    .GetSize = QV_PENDING(kAIMeshSuite, AIMeshSuite, GetSize),
};

const AIMeshVertexSuite kAIMeshVertexPending = {
    .CountSegments = QV_PENDING(kAIMeshVertexSuite, AIMeshVertexSuite, CountSegments),
};

const AIHitTestSuite kAIHitTestPending = {
    .HitTest = QV_PENDING(kAIHitTestSuite, AIHitTestSuite, HitTest),
};

const AIArtStyleSuite kAIArtStylePending = {
    .GetArtStyle = QV_PENDING(kAIArtStyleSuite, AIArtStyleSuite, GetArtStyle),
};

const ADMDialogSuite kADMDialogPending = {
    .Create = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, Create),
    .Show = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, Show),
    .IsVisible = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, IsVisible),
    .Size = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, Size),
    .SetText = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, SetText),
    .SetBoundsRect = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, SetBoundsRect),
    .GetBoundsRect = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, GetBoundsRect),
    .CreateItem = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, CreateItem),
    .GetItem = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, GetItem),
    .SetIcon = QV_PENDING_VALUE(kADMDialogSuite, ADMDialogSuite, SetIcon),
};

const ADMEntrySuite kADMEntryPending = {
    .SetID = QV_PENDING_VALUE(kADMEntrySuite, ADMEntrySuite, SetID),
    .GetID = QV_PENDING_VALUE(kADMEntrySuite, ADMEntrySuite, GetID),
    .SetText = QV_PENDING_VALUE(kADMEntrySuite, ADMEntrySuite, SetText),
    .GetText = QV_PENDING_VALUE(kADMEntrySuite, ADMEntrySuite, GetText),
    .Select = QV_PENDING_VALUE(kADMEntrySuite, ADMEntrySuite, Select),
};

const ADMListSuite kADMListPending = {
    .InsertEntry = QV_PENDING_VALUE(kADMListSuite, ADMListSuite, InsertEntry),
    .IndexEntry = QV_PENDING_VALUE(kADMListSuite, ADMListSuite, IndexEntry),
    .NumberOfEntries = QV_PENDING_VALUE(kADMListSuite, ADMListSuite, NumberOfEntries),
    .GetActiveEntry = QV_PENDING_VALUE(kADMListSuite, ADMListSuite, GetActiveEntry),
};

const ADMItemSuite kADMItemPending = {
    .SetNotifyProc = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetNotifyProc),
    .DefaultNotify = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, DefaultNotify),
    .SendNotify = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SendNotify),
    .GetDialog = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, GetDialog),
    .GetList = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, GetList),
    .GetID = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, GetID),
    .Show = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, Show),
    .IsVisible = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, IsVisible),
    .Enable = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, Enable),
    .IsEnabled = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, IsEnabled),
    .SetText = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetText),
    .GetText = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, GetText),
    .SetUnits = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetUnits),
    .SetPrecision = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetPrecision),
    .SetBooleanValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetBooleanValue),
    .GetBooleanValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, GetBooleanValue),
    .SetIntValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetIntValue),
    .GetIntValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, GetIntValue),
    .SetMinIntValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetMinIntValue),
    .SetMaxIntValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetMaxIntValue),
    .SetFloatValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetFloatValue),
    .GetFloatValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, GetFloatValue),
    .SetMinFloatValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetMinFloatValue),
    .SetMaxFloatValue = QV_PENDING_VALUE(kADMItemSuite, ADMItemSuite, SetMaxFloatValue),
};

}  // namespace

void registerPendingSuites(SuiteRegistry& registry) {
  registry.add(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kAIDocumentViewPending);
  registry.add(kAISymbolSuite, kAISymbolSuiteVersion, &kAISymbolPending);
  registry.add(kAIMeshSuite, kAIMeshSuiteVersion, &kAIMeshPending);
  registry.add(kAIMeshVertexSuite, kAIMeshVertexSuiteVersion, &kAIMeshVertexPending);
  registry.add(kAIHitTestSuite, kAIHitTestSuiteVersion, &kAIHitTestPending);
  registry.add(kAIArtStyleSuite, kAIArtStyleSuiteVersion, &kAIArtStylePending);
  registry.add(kADMDialogSuite, kADMDialogSuiteVersion, &kADMDialogPending);
  registry.add(kADMEntrySuite, kADMEntrySuiteVersion, &kADMEntryPending);
  registry.add(kADMListSuite, kADMListSuiteVersion, &kADMListPending);
  registry.add(kADMItemSuite, kADMItemSuiteVersion, &kADMItemPending);
}

}  // namespace qv::host
