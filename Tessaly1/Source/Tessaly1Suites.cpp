// The copy tool's suite table, in acquisition order, and the suite pointers it fills.
#include "SuitePointers.hpp"
#include "Suites.hpp"

const AIMenuSuite* sAIMenu = nullptr;
const AIToolSuite* sAITool = nullptr;
const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const SPBlocksSuite* sSPBlocks = nullptr;
const AIUndoSuite* sAIUndo = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AISwatchListSuite* sAISwatchList = nullptr;
const AIRealMathSuite* sAIRealMath = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIMatchingArtSuite* sAIMatchingArt = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AILayerSuite* sAILayer = nullptr;
const AIMdMemorySuite* sAIMdMemory = nullptr;
const AIDocumentViewSuite* sAIDocumentView = nullptr;
const AIShapeConstructionSuite* sAIShapeConstruction = nullptr;
const AITagSuite* sAITag = nullptr;
const AIBlendStyleSuite* sAIBlendStyle = nullptr;
const AISymbolSuite* sAISymbol = nullptr;
const AIMeshSuite* sAIMesh = nullptr;
const AIMeshVertexSuite* sAIMeshVertexIterator = nullptr;
const AIHitTestSuite* sAIHitTest = nullptr;
const AIRandomSuite* sAIRandom = nullptr;
const AITransformArtSuite* sAITransformArt = nullptr;
const AIArtStyleSuite* sAIArtStyle = nullptr;
const AIToolSuite* sTool = nullptr;
const AIEnvelopeSuite* sAIEnvelope = nullptr;
const ADMIconSuite* sADMIcon = nullptr;
const ADMTrackerSuite* sADMTracker = nullptr;
const ADMDialogSuite* sADMDialog = nullptr;
const ADMEntrySuite* sADMEntry = nullptr;
const ADMListSuite* sADMList = nullptr;
const ADMItemSuite* sADMItem = nullptr;

ImportSuite gImportSuites[] = {
    {kAIMenuSuite, kAIMenuSuiteVersion, SuiteSlot(&sAIMenu)},
    {kAIToolSuite, kAIToolSuiteVersion, SuiteSlot(&sAITool)},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, SuiteSlot(&sAIUnicodeString)},
    {kAIPluginSuite, kAIPluginSuiteVersion, SuiteSlot(&sAIPlugin)},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, SuiteSlot(&sSPBlocks)},
    {kAIUndoSuite, kAIUndoSuiteVersion, SuiteSlot(&sAIUndo)},
    {kAIArtSuite, kAIArtSuiteVersion, SuiteSlot(&sAIArt)},
    {kAISwatchListSuite, kAISwatchListSuiteVersion, SuiteSlot(&sAISwatchList)},
    {kAIRealMathSuite, kAIRealMathSuiteVersion, SuiteSlot(&sAIRealMath)},
    {kAIPathSuite, kAIPathSuiteVersion, SuiteSlot(&sAIPath)},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, SuiteSlot(&sAIMatchingArt)},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion, SuiteSlot(&sAIPathStyle)},
    {kAIDocumentSuite, kAIDocumentSuiteVersion, SuiteSlot(&sAIDocument)},
    {kAILayerSuite, kAILayerSuiteVersion, SuiteSlot(&sAILayer)},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion, SuiteSlot(&sAIMdMemory)},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, SuiteSlot(&sAIDocumentView)},
    {kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, SuiteSlot(&sAIShapeConstruction)},
    {kAITagSuite, kAITagSuiteVersion, SuiteSlot(&sAITag)},
    {kAIBlendStyleSuite, kAIBlendStyleSuiteVersion, SuiteSlot(&sAIBlendStyle)},
    {kAISymbolSuite, kAISymbolSuiteVersion, SuiteSlot(&sAISymbol)},
    {kAIMeshSuite, kAIMeshSuiteVersion, SuiteSlot(&sAIMesh)},
    {kAIMeshVertexSuite, kAIMeshVertexSuiteVersion, SuiteSlot(&sAIMeshVertexIterator)},
    {kAIHitTestSuite, kAIHitTestSuiteVersion, SuiteSlot(&sAIHitTest)},
    {kAIRandomSuite, kAIRandomSuiteVersion, SuiteSlot(&sAIRandom)},
    {kAITransformArtSuite, kAITransformArtSuiteVersion, SuiteSlot(&sAITransformArt)},
    {kAIArtStyleSuite, kAIArtStyleSuiteVersion, SuiteSlot(&sAIArtStyle)},
    {kAIToolSuite, kAIToolSuiteVersion, SuiteSlot(&sTool)},
    {kAIEnvelopeSuite, kAIEnvelopeSuiteVersion, SuiteSlot(&sAIEnvelope)},
    {kADMIconSuite, kADMIconSuiteVersion, SuiteSlot(&sADMIcon)},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, SuiteSlot(&sADMTracker)},
    {kADMDialogSuite, kADMDialogSuiteVersion, SuiteSlot(&sADMDialog)},
    {kADMEntrySuite, kADMEntrySuiteVersion, SuiteSlot(&sADMEntry)},
    {kADMListSuite, kADMListSuiteVersion, SuiteSlot(&sADMList)},
    {kADMItemSuite, kADMItemSuiteVersion, SuiteSlot(&sADMItem)},
    {nullptr, 0, nullptr},
};
