// The suites whose calls the host does not offer yet: each exists under its name and version,
// so modules acquire them, and each call answers kSPUnimplementedError (or a zeroed value).
#include "ADMDialog.h"
#include "ADMEntry.h"
#include "ADMItem.h"
#include "ADMList.h"
#include "ADMTracker.h"
#include "AIArt.h"
#include "AIArtStyle.h"
#include "AIBlendStyle.h"
#include "AIDocument.h"
#include "AIDocumentView.h"
#include "AIEnvelope.h"
#include "AIHitTest.h"
#include "AILayer.h"
#include "AIMatchingArt.h"
#include "AIMesh.h"
#include "AIPath.h"
#include "AIPathStyle.h"
#include "AIRandom.h"
#include "AIRealMath.h"
#include "AIShapeConstruction.h"
#include "AISwatchList.h"
#include "AISymbol.h"
#include "AITag.h"
#include "AITransformArt.h"
#include "AIUndo.h"
#include "all_suites.h"
#include "pica/suite_entry.h"
#include "pica/suite_registry.h"

namespace qv::host {

namespace {

const AIUndoSuite kAIUndoPending = {
    .UndoChanges = QV_PENDING(kAIUndoSuite, AIUndoSuite, UndoChanges),
};

const AIArtSuite kAIArtPending = {
    .DuplicateArt = QV_PENDING(kAIArtSuite, AIArtSuite, DuplicateArt),
    .ReorderArt = QV_PENDING(kAIArtSuite, AIArtSuite, ReorderArt),
    .DisposeArt = QV_PENDING(kAIArtSuite, AIArtSuite, DisposeArt),
    .GetArtType = QV_PENDING(kAIArtSuite, AIArtSuite, GetArtType),
    .GetArtFirstChild = QV_PENDING(kAIArtSuite, AIArtSuite, GetArtFirstChild),
    .GetArtSibling = QV_PENDING(kAIArtSuite, AIArtSuite, GetArtSibling),
    .GetArtBounds = QV_PENDING(kAIArtSuite, AIArtSuite, GetArtBounds),
};

const AISwatchListSuite kAISwatchListPending = {
    .CountSwatches = QV_PENDING_VALUE(kAISwatchListSuite, AISwatchListSuite, CountSwatches),
    .GetNthSwatch = QV_PENDING_VALUE(kAISwatchListSuite, AISwatchListSuite, GetNthSwatch),
    .GetAIColor = QV_PENDING(kAISwatchListSuite, AISwatchListSuite, GetAIColor),
};

const AIRealMathSuite kAIRealMathPending = {
    .AIRealSin = QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, AIRealSin),
    .AIRealCos = QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, AIRealCos),
    .DegreeToRadian = QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, DegreeToRadian),
    .AIRealSqrt = QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, AIRealSqrt),
    .AIRealPointAngle = QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, AIRealPointAngle),
    .AIRealPointInterpolate =
        QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, AIRealPointInterpolate),
    .AIRealMatrixSetTranslate =
        QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, AIRealMatrixSetTranslate),
    .AIRealMatrixConcatTranslate =
        QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, AIRealMatrixConcatTranslate),
    .AIRealMatrixConcatRotate =
        QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, AIRealMatrixConcatRotate),
    .AIRealMatrixConcatScale =
        QV_PENDING_VALUE(kAIRealMathSuite, AIRealMathSuite, AIRealMatrixConcatScale),
};

const AIPathSuite kAIPathPending = {
    .GetPathSegmentCount = QV_PENDING(kAIPathSuite, AIPathSuite, GetPathSegmentCount),
    .GetPathSegments = QV_PENDING(kAIPathSuite, AIPathSuite, GetPathSegments),
    .SetPathSegments = QV_PENDING(kAIPathSuite, AIPathSuite, SetPathSegments),
    .GetPathSegmentSelected = QV_PENDING(kAIPathSuite, AIPathSuite, GetPathSegmentSelected),
    .GetPathClosed = QV_PENDING(kAIPathSuite, AIPathSuite, GetPathClosed),
};

const AIMatchingArtSuite kAIMatchingArtPending = {
    .GetMatchingArt = QV_PENDING(kAIMatchingArtSuite, AIMatchingArtSuite, GetMatchingArt),
};

const AIMdMemorySuite kAIMdMemoryPending = {
    .MdMemoryDisposeHandle = QV_PENDING(kAIMdMemorySuite, AIMdMemorySuite, MdMemoryDisposeHandle),
    .MdMemoryGetSize = QV_PENDING(kAIMdMemorySuite, AIMdMemorySuite, MdMemoryGetSize),
};

const AIPathStyleSuite kAIPathStylePending = {
    .GetPathStyle = QV_PENDING(kAIPathStyleSuite, AIPathStyleSuite, GetPathStyle),
    .SetPathStyle = QV_PENDING(kAIPathStyleSuite, AIPathStyleSuite, SetPathStyle),
};

const AIDocumentSuite kAIDocumentPending = {
    .GetDocumentSize = QV_PENDING(kAIDocumentSuite, AIDocumentSuite, GetDocumentSize),
};

const AILayerSuite kAILayerPending = {
    .InsertLayer = QV_PENDING(kAILayerSuite, AILayerSuite, InsertLayer),
    .CountLayers = QV_PENDING(kAILayerSuite, AILayerSuite, CountLayers),
};

const AIDocumentViewSuite kAIDocumentViewPending = {
    .GetDocumentViewZoom =
        QV_PENDING(kAIDocumentViewSuite, AIDocumentViewSuite, GetDocumentViewZoom),
};

const AIShapeConstructionSuite kAIShapeConstructionPending = {
    .NewRect = QV_PENDING(kAIShapeConstructionSuite, AIShapeConstructionSuite, NewRect),
};

const AITagSuite kAITagPending = {
    .SetTag = QV_PENDING(kAITagSuite, AITagSuite, SetTag),
    .GetTag = QV_PENDING(kAITagSuite, AITagSuite, GetTag),
};

const AIBlendStyleSuite kAIBlendStylePending = {
    .SetBlendingMode = QV_PENDING(kAIBlendStyleSuite, AIBlendStyleSuite, SetBlendingMode),
    .GetBlendingMode = QV_PENDING_VALUE(kAIBlendStyleSuite, AIBlendStyleSuite, GetBlendingMode),
    .GetOpacity = QV_PENDING_VALUE(kAIBlendStyleSuite, AIBlendStyleSuite, GetOpacity),
    .SetOpacity = QV_PENDING(kAIBlendStyleSuite, AIBlendStyleSuite, SetOpacity),
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

const AIRandomSuite kAIRandomPending = {
    .FloatRnd = QV_PENDING_VALUE(kAIRandomSuite, AIRandomSuite, FloatRnd),
    .SetRndSeed = QV_PENDING_VALUE(kAIRandomSuite, AIRandomSuite, SetRndSeed),
};

const AITransformArtSuite kAITransformArtPending = {
    .TransformArt = QV_PENDING(kAITransformArtSuite, AITransformArtSuite, TransformArt),
};

const AIArtStyleSuite kAIArtStylePending = {
    .GetArtStyle = QV_PENDING(kAIArtStyleSuite, AIArtStyleSuite, GetArtStyle),
};

const AIEnvelopeSuite kAIEnvelopePending = {
    .MakeEnvelope = QV_PENDING(kAIEnvelopeSuite, AIEnvelopeSuite, MakeEnvelope),
    .SetEnvelopeWarp = QV_PENDING(kAIEnvelopeSuite, AIEnvelopeSuite, SetEnvelopeWarp),
};

const ADMTrackerSuite kADMTrackerPending = {
    .GetModifiers = QV_PENDING_VALUE(kADMTrackerSuite, ADMTrackerSuite, GetModifiers),
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
  registry.add(kAIUndoSuite, kAIUndoSuiteVersion, &kAIUndoPending);
  registry.add(kAIArtSuite, kAIArtSuiteVersion, &kAIArtPending);
  registry.add(kAISwatchListSuite, kAISwatchListSuiteVersion, &kAISwatchListPending);
  registry.add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kAIRealMathPending);
  registry.add(kAIPathSuite, kAIPathSuiteVersion, &kAIPathPending);
  registry.add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kAIMatchingArtPending);
  registry.add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kAIMdMemoryPending);
  registry.add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kAIPathStylePending);
  registry.add(kAIDocumentSuite, kAIDocumentSuiteVersion, &kAIDocumentPending);
  registry.add(kAILayerSuite, kAILayerSuiteVersion, &kAILayerPending);
  registry.add(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &kAIDocumentViewPending);
  registry.add(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion,
               &kAIShapeConstructionPending);
  registry.add(kAITagSuite, kAITagSuiteVersion, &kAITagPending);
  registry.add(kAIBlendStyleSuite, kAIBlendStyleSuiteVersion, &kAIBlendStylePending);
  registry.add(kAISymbolSuite, kAISymbolSuiteVersion, &kAISymbolPending);
  registry.add(kAIMeshSuite, kAIMeshSuiteVersion, &kAIMeshPending);
  registry.add(kAIMeshVertexSuite, kAIMeshVertexSuiteVersion, &kAIMeshVertexPending);
  registry.add(kAIHitTestSuite, kAIHitTestSuiteVersion, &kAIHitTestPending);
  registry.add(kAIRandomSuite, kAIRandomSuiteVersion, &kAIRandomPending);
  registry.add(kAITransformArtSuite, kAITransformArtSuiteVersion, &kAITransformArtPending);
  registry.add(kAIArtStyleSuite, kAIArtStyleSuiteVersion, &kAIArtStylePending);
  registry.add(kAIEnvelopeSuite, kAIEnvelopeSuiteVersion, &kAIEnvelopePending);
  registry.add(kADMTrackerSuite, kADMTrackerSuiteVersion, &kADMTrackerPending);
  registry.add(kADMDialogSuite, kADMDialogSuiteVersion, &kADMDialogPending);
  registry.add(kADMEntrySuite, kADMEntrySuiteVersion, &kADMEntryPending);
  registry.add(kADMListSuite, kADMListSuiteVersion, &kADMListPending);
  registry.add(kADMItemSuite, kADMItemSuiteVersion, &kADMItemPending);
}

}  // namespace qv::host
